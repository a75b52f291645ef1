#include "frontends/web/browser_controls.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <string_view>
#include <utility>

#include "core/model/press.h"
#include "core/render/image_surface.h"
#include "forms/frm_version.h"
#include "resources/texts.h"

// The page's functions, handed to createMovra as properties of the module.
EM_JS(void, page_fill_rect, (int left, int top, int width, int height, int colour),
      { Module.fillRect(left, top, width, height, colour); });
EM_JS(void, page_set_timer, (int id, int intervalMs), { Module.setTimer(id, intervalMs); });
EM_JS(void, page_kill_timer, (int id), { Module.killTimer(id); });
EM_JS(void, page_popup, (float x, float y, bool byKeyboard), { Module.popup(x, y, byKeyboard); });
EM_JS(void, page_open_help, (), { Module.openHelp(); });
EM_JS(void, page_show_version, (), { Module.showVersion(); });
EM_JS(void, page_place, (const char* id, int left, int top, int width, int height, double fontPx, int bold,
                         int gothic, int colour),
      { Module.place(UTF8ToString(id), left, top, width, height, fontPx, bold, gothic, colour); });
EM_JS(void, page_show_error, (const char* text), { Module.showError(UTF8ToString(text)); });
EM_JS(void, page_end, (), { Module.end(); });
// The clock the page's timer keeps, which a test may stand still.
EM_JS(double, page_now, (), { return performance.now(); });

namespace movra::web {

int CanvasBox::ToDevice(float twips) const { return int(std::lround(twips / TwipsPerPixel * density_)); }

void CanvasBox::FillBox(float x1, float y1, float x2, float y2, Colour colour) {
    // Each corner rounded on its own: neighbouring cells meet without a gap
    // or an overlap, and stay sharp at any density.
    const int left = ToDevice(x1), top = ToDevice(y1);
    page_fill_rect(left, top, ToDevice(x2) - left, ToDevice(y2) - top, int(colour));
}

// The grey reads the same as 0xRRGGBB and as a colour value.
void CanvasBox::Clear() { FillBox(0, 0, PondWidthTwips, PondHeightTwips, DefaultControlColour); }

void PageTimer::Set(int intervalMs) { page_set_timer(id_, intervalMs); }

void PageTimer::Kill() { page_kill_timer(id_); }

void PageControls::Popup(float x, float y, bool byKeyboard) { page_popup(x, y, byKeyboard); }

// The site serves Movra.hlp as help.html, which the browser shows as a page.
void PageControls::OpenHelp(const std::string&) { page_open_help(); }

namespace {

// CSS pixels are logical pixels: 15 twips each, and 96 to the inch of 72 points.
int CssPixels(int twips) { return int(std::lround(twips / double(TwipsPerPixel))); }

void Place(const char* id, const forms::DesignedControl& control) {
    const forms::TwipsRect& at = control.at;
    page_place(id, CssPixels(at.left), CssPixels(at.top), CssPixels(at.width), CssPixels(at.height),
               control.font.points * 96 / 72, control.font.bold,
               std::string_view(control.font.face) == texts::Gothic, int(control.colour));
}

}  // namespace

void PageControls::ShowVersion() {
    // The about box's panel is laid out from the design when first shown.
    if (!versionPlaced_) {
        const forms::FrmVersionDesign& design = forms::FrmVersion;
        Place("image1", design.Image1);
        for (const auto& [id, label] : {std::pair{"label1", &design.Label1}, std::pair{"label2", &design.Label2},
                                        std::pair{"label3", &design.Label3}, std::pair{"label4", &design.Label4},
                                        std::pair{"label5", &design.Label5}})
            Place(id, *label);
        forms::DesignedControl rule = design.Line1;
        rule.at.height = design.Line1WidthPixels * TwipsPerPixel;
        Place("line1", rule);
        Place("about-ok", design.Command1);
        versionPlaced_ = true;
    }
    page_show_version();
}

std::int64_t PageControls::NowMs() { return std::int64_t(page_now()); }

void PageControls::ReportError(const RuntimeError& error) { page_show_error(error.Report().c_str()); }

void PageControls::End(int) { page_end(); }

}  // namespace movra::web
