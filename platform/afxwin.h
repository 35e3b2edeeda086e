// The class framework the program is written against, in one include.
#pragma once

#include "afx_cmd_target.h"
#include "afx_command_line_info.h"
#include "afx_dc.h"
#include "afx_frame_wnd.h"
#include "afx_gdi.h"
#include "afx_message_map.h"
#include "afx_object.h"
#include "afx_ptr_list.h"
#include "afx_string.h"
#include "afx_thread.h"
#include "afx_types.h"
#include "afx_win_app.h"
#include "afx_wnd.h"
#include "device_services.h"
