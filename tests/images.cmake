qd_add_test(images_test SOURCES images_test.cpp ARGS --drive=E)
