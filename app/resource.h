// Resource ids of the pop-up.
#pragma once

#define IDR_MAINFRAME 128  // the frame: its first title (and menu)
