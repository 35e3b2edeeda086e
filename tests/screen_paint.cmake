# Rendering of the skinned screen component, and the fixture its tests share.
target_sources(qd_test_support PRIVATE ${CMAKE_CURRENT_LIST_DIR}/support/component_fixture.cpp)

qd_add_test(text_drawing_test SOURCES text_drawing_test.cpp)
qd_add_test(screen_paint_test SOURCES screen_paint_test.cpp)
qd_add_test(screen_list_paint_test SOURCES screen_list_paint_test.cpp)
