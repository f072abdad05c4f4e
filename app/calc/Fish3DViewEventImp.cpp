#include "app/calc/Fish3DViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "base/Translate.h"

#include <boost/make_shared.hpp>

namespace {

const wchar_t* const kCeilingPicture = L"3d_dingzhuang_nor.png";
const wchar_t* const kWallPicture = L"3d_bizhuang_nor.png";
const wchar_t* const kPersonPicture = L"3dpicpeople_nor.png";

} // namespace

CFish3DViewEventImp::CFish3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner)
    : C3DViewControllerBase(owner)
{
}

CFish3DViewEventImp::~CFish3DViewEventImp() = default;

boost::shared_ptr<CFish3DViewEventImp> CFish3DViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    return MakeWithContainer<CFish3DViewEventImp>(owner);
}

const wchar_t* CFish3DViewEventImp::TitleText() const
{
    return translate(L"3D View");
}

int CFish3DViewEventImp::OnCreate()
{
    if (CKW3DView* scene = CreateScene(true)) {
        // The panel starts on the ceiling mount.
        scene->SetBgImage(kCeilingPicture, kPersonPicture);
    }
    return 1;
}

void CFish3DViewEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    LayoutScene(cx, cy);
}

void CFish3DViewEventImp::AddObjHeight()
{
    if (GetScene() != nullptr) {
        GetScene()->AddObjHeight();
    }
}

void CFish3DViewEventImp::AddObjDistance()
{
    if (GetScene() != nullptr) {
        GetScene()->AddObjDistance();
    }
}

void CFish3DViewEventImp::SetInstWay(bool ceiling)
{
    if (CKW3DView* scene = GetScene()) {
        scene->SetInstWay(ceiling);
        scene->SetBgImage(ceiling ? kCeilingPicture : kWallPicture, kPersonPicture);
    }
}
