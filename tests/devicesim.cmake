# The device simulator itself, against a stand-in pop-up of known behaviour.
qd_add_test(devicesim_test SOURCES devicesim_test.cpp LIBS devicesim_client)
add_dependencies(devicesim_test devicesim fake_popup)
