#include "app/PPMExplainLayout.h"

#include "base/ScaledLength.h"

namespace {

struct RowTexts {
    const wchar_t* picture;
    const wchar_t* titleMetric;
    const wchar_t* titleFeet;
    const wchar_t* description;
    const wchar_t* descriptionRetranslated;
};

// Translation keys are looked up by their English text, so each key below
// stays exactly as the language files hold it (the double blank included).
const RowTexts kRows[kPPMExplainRowCount] = {
    { L"25ppm_nor.png", L"Base real monitor 25PPM", L"Base real monitor 8PPF",
        L"Distinguish  shape,color,size,sex and so on,but invisibility features.",
        L"Distinguish  shape,color,size,sex and so on,but invisibility features." },
    { L"63ppm_nor.png", L"Object sense 63PPM", L"Object sense 19PPF",
        L"Intelligent detection, plate number detection.", L"Face detection, plate number detection." },
    { L"125ppm_nor.png", L"Object discriminate 125PPM", L"Object discriminate 38PPF",
        L"Discriminate features or characters and so on.",
        L"Discriminate features or characters and so on." },
    { L"250ppm_nor.png", L"Distinguish details 250PPM", L"Distinguish details 76PPF",
        L"Frame limpid,detail analyse and so on.", L"Frame limpid,detail analyse and so on." },
};

bool ValidRow(int row)
{
    return row >= 0 && row < kPPMExplainRowCount;
}

} // namespace

const wchar_t* PPMExplainPicture(int row)
{
    return ValidRow(row) ? kRows[row].picture : L"";
}

const wchar_t* PPMExplainTitleKey(int row, bool metric)
{
    if (!ValidRow(row)) {
        return L"";
    }
    return metric ? kRows[row].titleMetric : kRows[row].titleFeet;
}

const wchar_t* PPMExplainDescriptionKey(int row, bool retranslated)
{
    if (!ValidRow(row)) {
        return L"";
    }
    return retranslated ? kRows[row].descriptionRetranslated : kRows[row].description;
}

PPMExplainLayout ComputePPMExplainLayout(int cx, int cy, float scale)
{
    const double s = scale;
    PPMExplainLayout out;
    CKWRect close(0, 0, Trunc(20 * s - 1), Trunc(20 * s - 1));
    close.MoveToXY(Trunc(cx - close.Width() - 23 * s), Trunc(20 * s));
    out.close = close;

    CKWRect picture(0, 0, Trunc(150 * s), Trunc(160 * s));
    CKWRect title(0, 0, Trunc(225 * s), Trunc(20 * s));
    CKWRect description(0, 0, Trunc(155 * s), Trunc(145 * s));
    for (int row = 0; row < kPPMExplainRowCount; ++row) {
        switch (row) {
        case 0:
            picture.MoveToXY(Trunc(30 * s), Trunc(50 * s));
            break;
        case 2:
            picture.MoveToXY(Trunc(30 * s), Trunc(picture.bottom + 34 * s));
            break;
        default: // the second column: right of the previous row's title
            picture.MoveToX(Trunc(title.right + 10 * s));
            break;
        }
        title.MoveToXY(Trunc(picture.right + 16 * s), Trunc(picture.top + 10 * s));
        description.MoveToXY(Trunc(picture.right + 16 * s), Trunc(title.bottom + 10 * s));
        out.picture[row] = picture;
        out.title[row] = title;
        out.description[row] = description;
    }

    CKWRect ok = close;
    ok.MoveToXY(Trunc(cx - 110 * s), Trunc(cy - 55 * s));
    ok.right = Trunc(ok.left + 80 * s);
    ok.bottom = Trunc(ok.top + 24 * s);
    out.ok = ok;
    return out;
}
