qd_add_test(app_test SOURCES app_test.cpp LIBS qd_app ARGS --drive=F)
