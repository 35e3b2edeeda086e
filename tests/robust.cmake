# Robustness: random screen definitions, bad skin files, odd command lines,
# every short configuration file, hosts that are slow, go or come, and the
# resource balance of long runs of paints.
qd_add_test(robust_screen_fuzz_test
  SOURCES robust_screen_fuzz_test.cpp support/robust_case_guard.cpp)
# The smallest screens that show what the random records found.
qd_add_test(robust_screen_edges_test SOURCES robust_screen_edges_test.cpp)
qd_add_test(robust_skin_files_test
  SOURCES robust_skin_files_test.cpp support/robust_case_guard.cpp ARGS --drive=K)
qd_add_test(robust_config_test SOURCES robust_config_test.cpp LIBS qd_app ARGS --drive=M)
# The real pop-up through the device simulator.
qd_add_test(robust_popup_test SOURCES robust_popup_test.cpp LIBS devicesim_client ARGS --drive=L)
add_dependencies(robust_popup_test qd_popup devicesim skins)
qd_add_test(robust_resources_test SOURCES robust_resources_test.cpp)
