// Resource numbers shared by app.rc and the Windows front end. Macros, as the resource compiler
// reads nothing else.
#pragma once

// The logo's renditions for one, two and three device pixels a pixel.
#define PETCALC_LOGO_1X 101
#define PETCALC_LOGO_2X 102
#define PETCALC_LOGO_3X 103

// Icon group 1 holds the application icon's five images, numbered from 30001.
#define PETCALC_ICON_GROUP 1
