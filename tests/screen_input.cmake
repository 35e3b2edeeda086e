# The component's input side: presses, releases, keys, list moves and
# SetSuspended, driven through real window messages. The component fixture
# comes with qd_test_support.
qd_add_test(screen_input_test
  SOURCES screen_input_test.cpp screen_keyboard_test.cpp screen_list_moves_test.cpp)
