// The IPC panel's control positions at both UI scales: at 2.0 every size and
// offset of the 1.0 column is doubled (before truncation).

#include "app/calc/IPCPanelLayout.h"

#include "tests/app/RectExpect.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    CKWRect IPCPanelLayout::*member;
    ExpectedRect at1;
    ExpectedRect at2;
};

TEST(IPCPanelLayout, BothScaleColumns)
{
    using L = IPCPanelLayout;
    const Expected rows[] = {
        {"header", &L::header, {15, 0, 521, 24}, {30, 0, 1042, 48}},
        {"square", &L::headerSquare, {0, 0, 15, 24}, {0, 0, 30, 48}},
        {"radios", &L::radios, {15, 20, 165, 42}, {30, 40, 330, 84}},
        {"model label", &L::modelLabel, {15, 30, 165, 50}, {30, 60, 330, 100}},
        {"model combo", &L::modelCombo, {165, 31, 354, 49}, {330, 62, 708, 98}},
        {"camera mode label", &L::cameraModeLabel, {15, 62, 150, 84}, {30, 124, 300, 168}},
        {"megapixel", &L::megapixel, {167, 64, 237, 81}, {334, 129, 474, 163}},
        {"resolution", &L::resolution, {237, 62, 317, 84}, {474, 124, 634, 168}},
        {"button 102", &L::resolutionMarker, {357, 65, 373, 81}, {714, 129, 747, 162}},
        {"target label", &L::targetLabel, {15, 101, 150, 123}, {30, 203, 300, 247}},
        {"sensor combo", &L::sensorCombo, {167, 103, 267, 120}, {334, 208, 534, 242}},
        {"install height label", &L::installHeightLabel, {15, 140, 150, 162}, {30, 282, 300, 326}},
        {"install height spin", &L::installHeightSpin, {167, 142, 267, 160}, {334, 286, 534, 322}},
        {"install height unit", &L::installHeightUnit, {272, 140, 297, 162}, {544, 282, 594, 326}},
        {"button 104", &L::installHeightMarker, {297, 143, 313, 159}, {594, 287, 627, 320}},
        {"distance label", &L::distanceLabel, {15, 180, 150, 202}, {30, 362, 300, 406}},
        {"distance spin", &L::distanceSpin, {167, 182, 267, 200}, {334, 366, 534, 402}},
        {"distance unit", &L::distanceUnit, {272, 180, 297, 202}, {544, 362, 594, 406}},
        {"button 108", &L::distanceMarker, {297, 183, 313, 199}, {594, 367, 627, 400}},
        {"install angle label", &L::installAngleLabel, {15, 222, 150, 244}, {30, 446, 300, 490}},
        {"install angle spin", &L::installAngleSpin, {167, 224, 267, 242}, {334, 450, 534, 486}},
        {"degree", &L::degree, {272, 222, 297, 244}, {544, 446, 594, 490}},
        {"button 106", &L::installAngleMarker, {297, 225, 313, 241}, {594, 451, 627, 484}},
        {"angle note", &L::angleNote, {318, 222, 528, 244}, {637, 446, 1057, 490}},
        {"focal label", &L::focalLabel, {15, 264, 150, 286}, {30, 530, 300, 574}},
        {"focal spin and combo 321", &L::focalSpin, {167, 266, 267, 284}, {334, 534, 534, 570}},
        {"fixed focal combo", &L::fixedFocalCombo, {167, 266, 267, 283}, {334, 534, 534, 568}},
        {"mm", &L::mmUnit, {274, 264, 299, 286}, {548, 530, 598, 574}},
        {"minimum focal", &L::minFocal, {300, 264, 355, 286}, {600, 530, 710, 574}},
        {"focal slider", &L::focalSlider, {356, 266, 456, 284}, {712, 534, 912, 570}},
        {"maximum focal", &L::maxFocal, {457, 264, 522, 286}, {914, 530, 1044, 574}},
    };
    const IPCPanelLayout at1 = ComputeIPCPanelLayout(1.0f);
    const IPCPanelLayout at2 = ComputeIPCPanelLayout(2.0f);
    for (const Expected& row : rows) {
        EXPECT_TRUE(SameRect(at1.*row.member, row.at1)) << row.name << " at 1.0";
        EXPECT_TRUE(SameRect(at2.*row.member, row.at2)) << row.name << " at 2.0";
    }
}

} // namespace
