#include "image_entry.h"

// Every skin bitmap of the pop-up screens, looked up by id. The positions are
// the images' defaults when a caller asks for none.
ImageEntry g_imageTable[] = {
    {0, 0, 0, L"bg_caution.bmp", nullptr},       // caution screen background
    {1, 0, 0, L"BB_popup.bmp", nullptr},         // black-box screen background
    {2, 0, 0, L"btn_cau_yes_nor.bmp", nullptr},  // yes button: normal, hot, disabled
    {3, 0, 0, L"btn_cau_yes_hot.bmp", nullptr},
    {4, 0, 0, L"btn_cau_yes_dis.bmp", nullptr},
    {5, 0, 0, L"btn_cau_no_nor.bmp", nullptr},  // no button: normal, hot, disabled
    {6, 0, 0, L"btn_cau_no_hot.bmp", nullptr},
    {7, 0, 0, L"btn_cau_no_dis.bmp", nullptr},
    {-1, 0, 0, L"", nullptr},  // end of the table
};
