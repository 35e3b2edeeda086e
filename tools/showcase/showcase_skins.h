// The showcase's skin: eight bitmaps drawn in memory at start-up and put
// into the image table's rows 0-7, so that the showcase needs no files.
#pragma once

// Draws every image and hands it to the image table (which frees them at
// exit). Returns false when a bitmap could not be made; the images made so
// far stay in the table, the others draw nothing.
bool MakeShowcaseSkins();
