#include "SkinManifest.h"

#include "SeedData.h"

#include <QPainter>

namespace MkAppData
{

namespace
{

using namespace SkinArt;

constexpr QSize Sq(int side)
{
    return QSize(side, side);
}

// name, Skin/ size, Skin/4K/ size, what it shows, painter, variant
const std::vector<SkinEntry> kManifest = {
    // Main window: frame pieces cut at 0,0,10,8 / 30,0,1,8 / 138,0,10,8 /
    // 0,37,1,30 / 0,84,10,1 / 10,84,30,1 / 84,84,2,1 / 85,37,1,30 at both
    // scales; smaller than the window, so it is composed, not cropped.
    {"DlgBackgorund.png", {148, 85}, {148, 85},
     "main window frame: 8-pixel green top band, 1-pixel border column at x 0 and 85, border row at y 84",
     MainFrame, 0},
    {"bg_monitor.png", {200, 140}, {400, 280}, "main window interior, flat light grey, stretched",
     MainInterior, 0},
    {"bg_calendar.png", {64, 64}, {128, 128}, "dialog interior, flat white, stretched", DialogInterior, 0},
    // About and message boxes: a 35-pixel title band (70 in Skin/4K), side
    // pieces at x 0 and 85 from y 37 (y 71 in Skin/4K), bottom row y 84;
    // the title-button rectangles 23 x 14 at x 11, 41, 71, y 41 reach x 94.
    {"bg_toolbar.png", {94, 85}, {94, 85},
     "small dialog frame: green title band 35 (70) high over a white body, 1-pixel border at x 0, x 85, y 84",
     SmallDialogFrame, 0},
    // Density explanation and model selection: corners 20 x 20 at 0,0 /
    // 734,0 / 0,474 / 734,474, top edge 30,0,1,8, sides 0,37,8,1 and
    // 746,27,8,30, bottom edge 30,474,1,20; the same at both scales.
    {"bg_modelslect_dlg.png", {754, 494}, {754, 494},
     "card dialog frame: white card, 4-pixel green top strip, 1-pixel border, rounded corners",
     CardDialogFrame, 0},
    {"CalTool.png", Sq(32), Sq(64), "window icon: camera and its field of view on green", AppIcon, 0},
    {"logo.png", {148, 29}, {296, 58}, "tool bar logo: mark and wordmark in white on transparent", Logo, 0},
    {"AboutPic.png", {240, 50}, {480, 100}, "about box banner: mark and wordmark on white", AboutBanner, 0},

    {"closed_nor.png", Sq(16), Sq(32), "tool bar close: white cross", TitleClose, kStateNormal},
    {"closed_hov.png", Sq(16), Sq(32), "tool bar close, hovered: cross on a light disc", TitleClose, kStateHover},
    {"closed_pre.png", Sq(16), Sq(32), "tool bar close, pressed: cross on a dark disc", TitleClose, kStatePressed},
    {"mini_nor.png", Sq(16), Sq(32), "tool bar minimise: white bar", TitleMinimize, kStateNormal},
    {"mini_hov.png", Sq(16), Sq(32), "tool bar minimise, hovered", TitleMinimize, kStateHover},
    {"mini_pre.png", Sq(16), Sq(32), "tool bar minimise, pressed", TitleMinimize, kStatePressed},
    {"btn_maximize_n.png", Sq(16), Sq(32), "tool bar maximise: white square", TitleMaximize, kStateNormal},
    {"btn_maximize_h.png", Sq(16), Sq(32), "tool bar maximise, hovered", TitleMaximize, kStateHover},
    {"btn_maximize_p.png", Sq(16), Sq(32), "tool bar maximise, pressed", TitleMaximize, kStatePressed},
    {"down_nor.png", Sq(16), Sq(32), "tool bar settings menu: white chevron", TitleMenu, kStateNormal},
    {"down_hov.png", Sq(16), Sq(32), "tool bar settings menu, hovered", TitleMenu, kStateHover},
    {"down_pre.png", Sq(16), Sq(32), "tool bar settings menu, pressed", TitleMenu, kStatePressed},
    {"exchange_nor.png", Sq(17), Sq(34), "tool switch: two opposed white arrows", TitleSwitch, kStateNormal},
    {"exchange_hov.png", Sq(17), Sq(34), "tool switch, hovered", TitleSwitch, kStateHover},
    {"exchange_pre.png", Sq(17), Sq(34), "tool switch, pressed", TitleSwitch, kStatePressed},
    {"ft_nor.png", Sq(17), Sq(34), "unit switch set to feet: \"ft\" badge", UnitFeet, kStateNormal},
    {"ft_hov.png", Sq(17), Sq(34), "unit switch set to feet, hovered", UnitFeet, kStateHover},
    {"m_nor.png", Sq(17), Sq(34), "unit switch set to metres: \"m\" badge", UnitMetre, kStateNormal},
    {"m_hov.png", Sq(17), Sq(34), "unit switch set to metres, hovered", UnitMetre, kStateHover},
    // Message box close button, 24 x 24 at both scales.
    {"close-normal.png", Sq(24), Sq(24), "title band close: white cross", TitleClose, kStateNormal},
    {"close-hover.png", Sq(24), Sq(24), "title band close, hovered", TitleClose, kStateHover},
    {"close-pressed.png", Sq(24), Sq(24), "title band close, pressed", TitleClose, kStatePressed},
    {"close-disabled.png", Sq(24), Sq(24), "title band close, disabled: faded cross", TitleClose, kStateDisabled},
    {"close_nor.png", Sq(20), Sq(40), "card dialog close: grey cross", CardClose, kStateNormal},
    {"close_hov.png", Sq(20), Sq(40), "card dialog close, hovered: dark cross on a grey disc", CardClose, kStateHover},
    {"btn_ok_nor.png", {80, 24}, {160, 48}, "push button: white, blue outline", PushButton, kStateNormal},
    {"btn_ok_hov.png", {80, 24}, {160, 48}, "push button, hovered: light blue", PushButton, kStateHover},
    {"btn_ok_pre.png", {80, 24}, {160, 48}, "push button, pressed: solid blue", PushButton, kStatePressed},
    {"ipc_nor.png", Sq(280), Sq(560), "tool chooser card: bullet camera and its field of view", ToolCardIpc, kStateNormal},
    {"ipc_hov.png", Sq(280), Sq(560), "tool chooser card IPC, hovered: green outline", ToolCardIpc, kStateHover},
    {"ipc_pre.png", Sq(280), Sq(560), "tool chooser card IPC, pressed: green tint", ToolCardIpc, kStatePressed},
    {"yuyan_nor.png", Sq(280), Sq(560), "tool chooser card: fisheye camera and its dome of view", ToolCardFisheye, kStateNormal},
    {"yuyan_hov.png", Sq(280), Sq(560), "tool chooser card fisheye, hovered", ToolCardFisheye, kStateHover},
    {"yuyan_pre.png", Sq(280), Sq(560), "tool chooser card fisheye, pressed", ToolCardFisheye, kStatePressed},
    // Cursor: hot spot at 13,7 at both scales.
    {"hand_pointing.png", Sq(32), Sq(32), "pointing-hand cursor, finger tip at 13,7", HandCursor, 0},
    {"icon_set.png", Sq(16), Sq(16), "list row button: gear", ListSettings, 0},
    {"icon_weblogin.png", Sq(16), Sq(16), "list row button: person with arrow", ListLogin, 0},

    // Combo faces: sub-images x, y, w, h are read as w x h pixels, at rows
    // 0, 18, 36, 54, 17 high (pitch 36, height 34 in Skin/4K), each cut as
    // wide as its picture, so that the chevron at the right end is part of
    // the face: 134 wide from ComboBox.png and 100 wide from ComboBox_100.png
    // in Skin/, 200 wide from ComboBox.png and 268 wide from ComboBox_268.png
    // in Skin/4K. Rows: normal, hover, open upward and disabled (shared),
    // open downward.
    {"ComboBox.png", {134, 71}, {200, 142},
     "combo face strip: rows normal, hover, open-up/disabled, open; chevron at the right end",
     ComboStrip, 0},
    {"ComboBox_100.png", {100, 71}, {100, 71}, "narrow combo face strip, 100 wide", ComboStrip, 2},
    // Menus: the check mark of a chosen entry and the arrow of a submenu,
    // drawn into the indicator and arrow squares of the style sheets.
    {"menu_check.png", Sq(12), Sq(24), "menu check mark, a dark tick", MenuCheck, 0},
    {"menu_arrow.png", Sq(12), Sq(24), "submenu arrow, a grey chevron pointing right", MenuArrow, 0},
    {"ComboBox_268.png", {268, 142}, {268, 142}, "double-size combo face strip, 268 wide", ComboStrip, 1},
    // Slider: empty groove 0,0,100,18, filled groove 108,0,100,18, handles
    // 16 x 16 at x 215, 236, 256; in Skin/4K grooves 200 x 36 at x 0 and 215,
    // handles 35 x 35 at x 428, 470, 512.
    {"slidingblock.png", {272, 18}, {547, 36},
     "slider strip: empty groove, green filled groove, handle normal, hovered, pressed", SliderStrip, 0},
    {"kuang2_nor.png", {100, 18}, {200, 36}, "spin box frame: white field, 1-pixel grey outline", SpinFrame, 0},
    {"spiner_up_n.png", {21, 9}, {42, 18}, "spin box up button", SpinUp, kStateNormal},
    {"spiner_up_h.png", {21, 9}, {42, 18}, "spin box up button, hovered", SpinUp, kStateHover},
    {"spiner_up_p.png", {21, 9}, {42, 18}, "spin box up button, pressed", SpinUp, kStatePressed},
    {"spiner_up_d.png", {21, 9}, {42, 18}, "spin box up button, disabled", SpinUp, kStateDisabled},
    {"spiner_down_n.png", {21, 9}, {42, 18}, "spin box down button", SpinDown, kStateNormal},
    {"spiner_down_h.png", {21, 9}, {42, 18}, "spin box down button, hovered", SpinDown, kStateHover},
    {"spiner_down_p.png", {21, 9}, {42, 18}, "spin box down button, pressed", SpinDown, kStatePressed},
    {"spiner_down_d.png", {21, 9}, {42, 18}, "spin box down button, disabled", SpinDown, kStateDisabled},
    {"check_nor.png", Sq(16), Sq(32), "option mark, chosen: green ring with dot", RadioMark, 1},
    {"uncheck_nor.png", Sq(16), Sq(32), "option mark, not chosen: grey ring", RadioMark, 0},
    {"radio_check_nor.png", Sq(16), Sq(32), "model list mark, chosen", ListRadioMark, 1},
    {"radio_check_hov.png", Sq(16), Sq(32), "model list mark, chosen and hovered", ListRadioMark, 2},
    {"radio_uncheck_nor.png", Sq(16), Sq(32), "model list mark, not chosen", ListRadioMark, 0},
    {"help_nor.png", Sq(17), Sq(34), "dimension marker button: question mark in a blue ring", MarkerHelp, 0},
    {"search_nor.png", Sq(18), Sq(36), "search: magnifier", Search, 0},
    {"lastpage_nor.png", Sq(24), Sq(48), "previous page: chevron left", PagePrevious, kStateNormal},
    {"lastpage_hov.png", Sq(24), Sq(48), "previous page, hovered", PagePrevious, kStateHover},
    {"lastpage_pre.png", Sq(24), Sq(48), "previous page, pressed", PagePrevious, kStatePressed},
    {"lastpage_dis.png", Sq(24), Sq(48), "previous page, disabled", PagePrevious, kStateDisabled},
    {"nextpage_nor.png", Sq(24), Sq(48), "next page: chevron right", PageNext, kStateNormal},
    {"nextpage_hov.png", Sq(24), Sq(48), "next page, hovered", PageNext, kStateHover},
    {"nextpage_pre.png", Sq(24), Sq(48), "next page, pressed", PageNext, kStatePressed},
    {"nextpage_dis.png", Sq(24), Sq(48), "next page, disabled", PageNext, kStateDisabled},
    // Scene handles: 26 x 26 at scale 1, centred on the dragged point.
    {"move_shangxia_nor.PNG", Sq(26), Sq(52), "vertical drag handle: up and down arrows", DragVertical, kStateNormal},
    {"move_shangxia_hov.PNG", Sq(26), Sq(52), "vertical drag handle, hovered", DragVertical, kStateHover},
    {"move_shangxia_pre.PNG", Sq(26), Sq(52), "vertical drag handle, pressed", DragVertical, kStatePressed},
    {"move_zuoyou_nor.PNG", Sq(26), Sq(52), "horizontal drag handle: left and right arrows", DragHorizontal, kStateNormal},
    {"move_zuoyou_hov.PNG", Sq(26), Sq(52), "horizontal drag handle, hovered", DragHorizontal, kStateHover},
    {"move_zuoyou_pre.PNG", Sq(26), Sq(52), "horizontal drag handle, pressed", DragHorizontal, kStatePressed},
    {"dingzhuang_nor.png", Sq(20), Sq(40), "ceiling mount icon", MountCeilingIcon, 0},
    {"bizhuang_nor.png", Sq(20), Sq(40), "wall mount icon", MountWallIcon, 0},

    // Side view: the person is 104 x 254 at scale 1, feet on the bottom edge.
    {"besidepeople_nor.PNG", {104, 254}, {208, 508}, "standing person, front view, fills the picture", SidePerson, 0},
    // Rotates about 10,17 (20,34 in Skin/4K), the top of the pole; points down.
    {"besidevideodown_nor.png", {20, 46}, {40, 92}, "side view camera pointing down, pivot at 10,17", SideCamera, 0},
    {"besidevideoup_nor.png", {24, 32}, {48, 64}, "top view camera seen from above, lens up", TopCamera, 0},
    {"topviewpeople_nor.png", Sq(20), Sq(40), "person seen from above", TopPerson, 0},
    {"top_radian_nor.png", {112, 24}, {224, 48}, "angle-of-view arc with arrow heads", TopAngleArc, 0},
    // Fisheye side view: 48 x 48 centred on the camera point.
    {"ceshi_dingzhuang_nor.png", Sq(48), Sq(96), "ceiling-mounted fisheye, dome down, centred", SideFisheyeCeiling, 0},
    {"ceshi_bizhuang_nor.png", Sq(48), Sq(96), "wall-mounted fisheye, dome right, centred", SideFisheyeWall, 0},
    // 3D view, 410 x 267 design area: ceiling 28, camera 209,28, floor 215,
    // person 174..210 at x 238.
    {"3d_dingzhuang_nor.png", {410, 267}, {820, 534},
     "3D ceiling mount: fisheye under the ceiling, its dome of view, floor and person", Scene3DFisheyeCeiling, 0},
    // 280 x 248 centred in the design area: camera 25,130, floor 186, person
    // 148..186 at x 142 in its own pixels.
    {"3d_bizhuang_nor.png", {280, 248}, {560, 496},
     "3D wall mount: fisheye on the wall, its half dome of view, floor and person", Scene3DFisheyeWall, 0},
    {"3dpicpeople_nor.png", {12, 26}, {24, 52}, "small person for the 3D view", Scene3DPerson, 0},
    {"h_nor.png", {22, 16}, {44, 32}, "3D marker: install height, \"H\" on teal", Marker3D, 0},
    {"d_nor.png", {22, 16}, {44, 32}, "3D marker: distance, \"D\" on orange", Marker3D, 1},
    {"a_nor.png", {22, 16}, {44, 32}, "3D marker: install angle, angle sign on red-orange", Marker3D, 2},
    {"w_nor.png", {22, 16}, {44, 32}, "3D marker: width of the watched area, \"W\" on purple", Marker3D, 3},
    {"h2_nor.png", {22, 16}, {44, 32}, "3D marker: height of the watched area, \"H\" on purple", Marker3D, 4},

    // Pixel density: 100 x 100 shows 0.4 m of the scene, so a density of d
    // pixels per metre leaves 0.4 d pixels across it.
    {"ppmpic_nor.png", Sq(100), Sq(200), "face at full resolution", DensityPortrait, 0},
    {"ppmpic250_nor100.png", Sq(100), Sq(200), "face above 250 PPM: full resolution", DensityPortrait, 300},
    {"ppmpic125_nor100.png", Sq(100), Sq(200), "face at 125 PPM: 50 pixels across", DensityPortrait, 125},
    {"ppmpic63_nor100.png", Sq(100), Sq(200), "face at 63 PPM: 25 pixels across", DensityPortrait, 63},
    {"ppmpic25_nor100.png", Sq(100), Sq(200), "face at 25 PPM: 10 pixels across", DensityPortrait, 25},
    {"ppmpic15_nor.png", Sq(100), Sq(200), "face at 15 PPM: 6 pixels across", DensityPortrait, 15},
    // 150 x 160 shows 0.6 m of the scene.
    {"25ppm_nor.png", {150, 160}, {300, 320}, "person at 25 PPM: 15 pixels across", DensityExample, 25},
    {"63ppm_nor.png", {150, 160}, {300, 320}, "person at 63 PPM: 38 pixels across", DensityExample, 63},
    {"125ppm_nor.png", {150, 160}, {300, 320}, "person at 125 PPM: 75 pixels across", DensityExample, 125},
    {"250ppm_nor.png", {150, 160}, {300, 320}, "person at 250 PPM: full resolution", DensityExample, 250},
};

SkinArtContext ContextFor(SkinSet set, QSize size, int variant)
{
    SkinArtContext c;
    c.set = set;
    c.size = size;
    c.k = set == SkinSet::Normal ? 1.0 : 2.0;
    c.variant = variant;
    return c;
}

QImage BlankImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

const std::vector<SkinEntry>& SkinManifest()
{
    return kManifest;
}

const SkinEntry* FindSkin(const QString& name)
{
    for (const SkinEntry& e : kManifest) {
        if (name == QLatin1String(e.name)) {
            return &e;
        }
    }
    return nullptr;
}

QSize ModelPictureSize(SkinSet set)
{
    return set == SkinSet::Normal ? QSize(410, 267) : QSize(820, 534);
}

QImage RenderSkin(const SkinEntry& entry, SkinSet set)
{
    QImage image = BlankImage(entry.SizeIn(set));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    entry.paint(painter, ContextFor(set, image.size(), entry.variant));
    painter.end();
    return image;
}

QImage RenderModelPicture(const ModelSeed& model, SkinSet set)
{
    QImage image = BlankImage(ModelPictureSize(set));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    SkinArt::ModelScene(painter, ContextFor(set, image.size(), 0), model);
    painter.end();
    return image;
}

}  // namespace MkAppData
