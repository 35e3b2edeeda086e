# End to end through the device simulator; needs the program, the simulator
# and the generated skins.
qd_add_test(popup_e2e_test SOURCES popup_e2e_test.cpp LIBS devicesim_client qd_skin_colors ARGS --drive=G)
add_dependencies(popup_e2e_test qd_popup devicesim skins)
