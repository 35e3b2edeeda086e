# The showcase program driven through the device simulator.
qd_add_test(showcase_test SOURCES showcase_test.cpp LIBS devicesim_client)
# The layout and colours the showcase draws with, to check its screen.
target_include_directories(showcase_test PRIVATE ${CMAKE_SOURCE_DIR}/tools/showcase)
add_dependencies(showcase_test showcase devicesim)
