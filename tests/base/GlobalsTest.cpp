#include "base/Globals.h"
#include "base/KWQtText.h"

#include <gtest/gtest.h>

TEST(KWQtText, NonBmpCharacterCrossesQtBoundaryIntact)
{
    const std::wstring text = L"a\U0001F600\u4E2D";
    const QString q = KWToQString(text);
    EXPECT_EQ(q.size(), 4); // the emoji is a surrogate pair in QString
    EXPECT_EQ(KWFromQString(q), text);
    EXPECT_TRUE(KWToQString(static_cast<const wchar_t*>(nullptr)).isEmpty());
}
