// The about box's design, whatever the toolkit: positions and sizes in twips,
// fonts, colours and texts, which each toolkit places and paints.
#pragma once

#include "core/render/surface.h"

namespace movra::forms {

struct TwipsRect {
    int left, top, width, height;
};

struct Font {
    const char* face = "";  // UTF-8, as the design names it
    double points = 0;
    bool bold = false;
};

// One control: the image, a label, the rule or the button.
struct DesignedControl {
    TwipsRect at;
    const char* text = "";  // UTF-8
    Font font;
    Colour colour = 0;      // text colour, as RGB() makes it
};

struct FrmVersionDesign {
    const char* caption;
    int width, height;  // the client area, twips
    Colour background;
    Font font;          // the window's, for controls that set none
    DesignedControl Image1;  // the logo stretched into its frame, thin single border
    DesignedControl Label1, Label2, Label3, Label4, Label5;  // left-aligned, one line, no border
    DesignedControl Line1;   // a horizontal rule across from its left, top
    int Line1WidthPixels;
    DesignedControl Command1;  // the one control that takes the focus
};

extern const FrmVersionDesign FrmVersion;

}  // namespace movra::forms
