#include "ui/api/KWSkinRecords.h"

#include "ui/api/KWRecordStrings.h"

namespace {

using VideoString = std::wstring ImageVideoWindowStyle::*;

const VideoString kVideoStrings[ImageVideoWindowStyle::kStringCount] = {
    &ImageVideoWindowStyle::strBackground,   &ImageVideoWindowStyle::strImage1,
    &ImageVideoWindowStyle::strImage2,       &ImageVideoWindowStyle::strImage3,
    &ImageVideoWindowStyle::strImage4,       &ImageVideoWindowStyle::strImage5,
    &ImageVideoWindowStyle::strImage6,       &ImageVideoWindowStyle::strImage7,
    &ImageVideoWindowStyle::strImage8,       &ImageVideoWindowStyle::strImage9,
    &ImageVideoWindowStyle::strImage10,      &ImageVideoWindowStyle::strImage11,
    &ImageVideoWindowStyle::strSkinPoint,    &ImageVideoWindowStyle::strColor1,
    &ImageVideoWindowStyle::strColor2,       &ImageVideoWindowStyle::strColor3,
    &ImageVideoWindowStyle::strColor4,       &ImageVideoWindowStyle::strColor5,
    &ImageVideoWindowStyle::strColor6,       &ImageVideoWindowStyle::strBarLineWidth,
    &ImageVideoWindowStyle::strBarDashWidth, &ImageVideoWindowStyle::strText1,
    &ImageVideoWindowStyle::strText2,
};

} // namespace

std::wstring& ImageVideoWindowStyle::Str(int i)
{
    return KWRecordString(*this, kVideoStrings, i);
}

const std::wstring& ImageVideoWindowStyle::Str(int i) const
{
    return KWRecordString(*this, kVideoStrings, i);
}
