#include "app/calc/3DViewEventImp.h"

#include "app/MainFrameEventImp.h"
#include "app/calc/ViewControllerLayout.h"
#include "base/Translate.h"

#include <boost/make_shared.hpp>

namespace {

// The picture of the model the IPC panel starts with.
const wchar_t* const kDefaultCameraPicture =
#include "DefaultCameraPicture.inc"
    ;

} // namespace

C3DViewEventImp::C3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner)
    : C3DViewControllerBase(owner)
    , m_modelPicture(kDefaultCameraPicture)
{
}

C3DViewEventImp::~C3DViewEventImp() = default;

boost::shared_ptr<C3DViewEventImp> C3DViewEventImp::CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner)
{
    return MakeWithContainer<C3DViewEventImp>(owner);
}

const wchar_t* C3DViewEventImp::TitleText() const
{
    return translate(L"3D View");
}

int C3DViewEventImp::OnCreate()
{
    if (CKW3DView* scene = CreateScene(false)) {
        scene->SetBgImage(m_modelPicture.c_str(), L"");
    }
    return 1;
}

void C3DViewEventImp::OnSize(UINT /*type*/, int cx, int cy)
{
    if (CKW3DView* scene = LayoutScene(cx, cy)) {
        scene->SetBgImage(m_modelPicture.c_str(), L"");
    }
}

// The scene's resolution marker shows fixed texts; the value is not passed.
void C3DViewEventImp::AddResolution(double /*value*/)
{
    if (GetScene() != nullptr) {
        GetScene()->AddResolution();
    }
}

void C3DViewEventImp::AddInstAngle()
{
    if (GetScene() != nullptr) {
        GetScene()->AddInstAngle();
    }
}

void C3DViewEventImp::SetBgImageByName(const wchar_t* name)
{
    if (name == nullptr) {
        return;
    }
    m_modelPicture = ModelPictureName(name);
    if (GetScene() != nullptr) {
        GetScene()->SetBgImage(m_modelPicture.c_str(), L"");
    }
}
