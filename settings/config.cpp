// The configuration and favourites files. Nothing is stored yet: every start
// begins with the defaults and box 0 holds no favourites.
#include "app/form1.h"

namespace vantiro {

void Form1::Config_Save() {}

void Form1::Config_Load() {}

void Form1::Favorites_Save() {}

void Form1::Favorites_Load() {}

}  // namespace vantiro
