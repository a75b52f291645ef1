#include "forms/frm_version.h"

#include "core/render/rgb.h"
#include "resources/texts.h"

namespace movra::forms {

const FrmVersionDesign FrmVersion{
    .caption = texts::AboutCaption,
    .width = 4965,
    .height = 3105,
    .background = RGB(0xc0, 0xc0, 0xc0),
    .font = {texts::Mincho, 9.75},
    .Image1 = {{150, 120, 1000, 1000}, "", {}},
    .Label1 = {{1440, 330, 3165, 615}, texts::ProductName, {texts::Mincho, 26.25, true}, RGB(128, 128, 255)},
    .Label2 = {{180, 1230, 4275, 285}, texts::Label2, {texts::Gothic, 12, true}},
    .Label3 = {{180, 1680, 4155, 225}, texts::Label3, {texts::Mincho, 9.75}},
    .Label4 = {{180, 1980, 4605, 165}, texts::Label4, {texts::Mincho, 9}},
    .Label5 = {{180, 2190, 4605, 195}, texts::Label5, {texts::Mincho, 9}},
    .Line1 = {{150, 2550, 4860 - 150, 0}, "", {}},
    .Line1WidthPixels = 2,
    .Command1 = {{3360, 2670, 1365, 345}, texts::Command1, {texts::Gothic, 9}},
};

}  // namespace movra::forms
