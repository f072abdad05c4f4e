#pragma once
// The whole calculator as the tests that drive it start it: English, the
// normal look at scale 1, the skin beside the test program. The caller keeps
// and puts back what it needs of the globals this sets.

#include "app/MainFrameEventImp.h"
#include "app/StartupScale.h"
#include "base/Globals.h"
#include "ui/qt/KWQtSupport.h"

#include <boost/shared_ptr.hpp>

inline boost::shared_ptr<CMainFrameEventImp> StartEnglishFrame()
{
    g_languageIndex = 0;
    g_uiScale = 1.0f;
    g_screenScale = 1.0f;
    SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
    return CMainFrameEventImp::CreateInstance();
}
