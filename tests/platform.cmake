qd_add_test(platform_test SOURCES platform_test.cpp)
