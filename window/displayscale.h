#ifndef DISPLAYSCALE_H
#define DISPLAYSCALE_H

// The window is drawn at the display's scale (125, 150, 200 percent...), the fraction kept as
// it is: text, fields, margins and the logo all grow together, and images stay sharp. Call it
// before the application object is made, in main and in the tests alike.
void EnableDisplayScaling();

#endif // DISPLAYSCALE_H
