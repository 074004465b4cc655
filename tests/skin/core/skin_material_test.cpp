#include "skin/core/skin_material.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/core/paint_lock.h"
#include "skin/core/skin_string_list.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/persist/bt_doc20.h"
#include "skin/persist/bt_node20.h"
#include "skin/picture/draw_picture.h"
#include "tests/skin/core/skin_control_kinds.h"
#include "ui/component.h"
#include "ui/layout_reader.h"
#include "ui/text.h"

namespace skin {
namespace {

using testing::TestMaterial;

// A material with pictures and parameters of every kind the creation operations make.
class FullMaterial : public TSkinControlMaterial {
public:
    FullMaterial() {
        caption = CreateDrawTextParam(u"DrawCaptionParam", u"标题绘制参数");
        picture = CreateDrawPicture(u"Picture", u"图片", u"");
        pictureParam = CreateDrawPictureParam(u"DrawPictureParam", u"图片绘制参数");
        line = CreateDrawLineParam(u"DrawLineParam", u"线");
    }
    std::u16string_view ClassName() const override { return u"TFullMaterial"; }
    TDrawTextParam* caption;
    TDrawPicture* picture;
    TDrawPictureParam* pictureParam;
    TDrawLineParam* line;
};

// Owner components in the states that matter for reports.
class Owner : public ui::Component {
public:
    std::u16string_view ClassName() const override { return u"TOwner"; }
};

struct Reports {
    std::vector<std::string> order;
    TSkinObjectChangeLink first;
    TSkinObjectChangeLink second;
    Reports() {
        first.OnChange = [this](ui::Object*) { order.push_back("first"); };
        second.OnChange = [this](ui::Object*) { order.push_back("second"); };
    }
};

TEST(SkinMaterialTest, CreationBindsEveryParameterAndPictureInOrder) {
    FullMaterial material;
    ASSERT_EQ(material.DrawParamCount(), 4);
    EXPECT_EQ(material.DrawParam(0)->Name(), u"DrawBackColorParam");
    EXPECT_EQ(material.DrawParam(0), &material.DrawBackColorParam());
    EXPECT_EQ(material.DrawParam(1)->Name(), u"DrawCaptionParam");
    EXPECT_EQ(material.DrawParam(3)->ClassName(), u"TDrawLineParam");
    ASSERT_EQ(material.DrawPictureCount(), 1);
    for (int i = 0; i < material.DrawParamCount(); ++i) EXPECT_EQ(material.DrawParam(i)->SkinMaterial(), &material);
    EXPECT_EQ(material.FindParamByName(u"DrawPictureParam"), material.pictureParam);
    EXPECT_EQ(material.FindParamByName(u"drawpictureparam"), nullptr);  // names are case-sensitive
    EXPECT_EQ(material.FindPictureByName(u"Picture"), material.picture);
    EXPECT_EQ(material.FindPictureByName(u"Missing"), nullptr);
    EXPECT_TRUE(material.IsTransparent());
}

TEST(SkinMaterialTest, ChangesReachTheLinksOnlyWhenTheOwnerIsSettledAndNothingIsLocked) {
    struct Case {
        const char* name;
        bool hasOwner;
        bool designing;
        int paintLocks;
        bool reported;
    };
    const Case cases[] = {
        {"owned and idle", true, false, 0, true},
        {"without an owner", false, false, 0, false},
        {"paint lock held", true, false, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Owner owner;
        std::unique_ptr<TestMaterial> loose;
        TestMaterial* material = nullptr;
        if (c.hasOwner) {
            material = owner.CreateComponent<TestMaterial>();
        } else {
            loose = std::make_unique<TestMaterial>();
            material = loose.get();
        }
        Reports reports;
        int managerReports = 0;
        material->SetOnChange([&](ui::Object*) { ++managerReports; });
        material->RegisterChanges(&reports.first);
        material->RegisterChanges(&reports.second);
        for (int i = 0; i < c.paintLocks; ++i) ++PaintLockCount;
        material->caption->SetFontSize(30);
        for (int i = 0; i < c.paintLocks; ++i) --PaintLockCount;
        if (c.reported) {
            // The last registered first, then the manager's own event.
            EXPECT_EQ(reports.order, (std::vector<std::string>{"second", "first"}));
            EXPECT_EQ(managerReports, 1);
        } else {
            EXPECT_TRUE(reports.order.empty());
            EXPECT_EQ(managerReports, 0);
        }
        EXPECT_EQ(material->RefControlCount(), 2);
        material->UnRegisterChanges(&reports.first);
        material->UnRegisterChanges(&reports.second);
    }
}

TEST(SkinMaterialTest, ChangesWhileTheOwnerLoadsALayoutDoNotReport) {
    testing::RegisterTestKinds();
    // The layout sets a caption parameter value while the control (the material's owner) is loading; the
    // material's link (registered by the control) must not hear of it until the control paints.
    class Root : public ui::Component {
    public:
        std::u16string_view ClassName() const override { return u"TRoot"; }
    } form;
    std::vector<std::string>& journal = testing::TestType::Journal();
    journal.clear();
    ui::ReadLayout(
        "object R: TRoot\n"
        "  object C: TTestSkinControl\n"
        "    SelfOwnMaterial.DrawCaptionParam.FontSize = 20\n"
        "    SelfOwnMaterial.IsTransparent = False\n"
        "  end\n"
        "end\n",
        form, testing::TestClassRegistry());
    auto* control = static_cast<testing::TTestSkinControl*>(form.FindComponent(u"C"));
    ASSERT_NE(control, nullptr);
    auto* material = static_cast<TestMaterial*>(control->GetSelfOwnMaterial());
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->caption->FontSize(), 20);
    EXPECT_FALSE(material->IsTransparent());
    EXPECT_EQ(material->Name(), u"Material");
    EXPECT_EQ(control->GetCurrentUseMaterial(), material);
    EXPECT_EQ(material->RefControlCount(), 1);
}

TEST(SkinMaterialTest, CopyTakesParametersByNameAndKeepsTheRest) {
    FullMaterial target;
    TestMaterial source;
    source.SetIsTransparent(false);
    source.DrawBackColorParam().FillColor().SetColor(0xFF102030);
    source.caption->SetFontSize(33);
    target.pictureParam->SetAlpha(77);
    target.Assign(source);
    EXPECT_FALSE(target.IsTransparent());
    EXPECT_EQ(target.DrawBackColorParam().FillColor().Color(), 0xFF102030u);
    EXPECT_EQ(target.caption->FontSize(), 33);
    EXPECT_EQ(target.pictureParam->Alpha(), 77);  // exists only in the target

    Owner notAMaterial;
    EXPECT_THROW(target.Assign(notAMaterial), std::invalid_argument);
}

TEST(SkinMaterialTest, StyleNameDecidesTheMembershipOfTheGlobalStyleList) {
    const int before = GlobalStyleList().Count();
    {
        TestMaterial material;
        material.SetStyleName(u"Dark");
        material.SetStyleName(u"Dark");
        EXPECT_EQ(GlobalStyleList().Count(), before + 1);
        EXPECT_TRUE(material.IsInGlobalStyleList());
        material.SetStyleName(u"  ");
        EXPECT_EQ(GlobalStyleList().Count(), before);
        EXPECT_FALSE(material.IsInGlobalStyleList());
        material.SetStyleName(u"Light");
        EXPECT_EQ(GlobalStyleList().IndexOf(&material), before);
    }
    // Destroying a member takes it out first.
    EXPECT_EQ(GlobalStyleList().Count(), before);
}

TEST(SkinMaterialTest, TreeDocumentRoundTripKeepsValuesAndReadsAnyNonZeroAsTrue) {
    FullMaterial saved;
    saved.SetIsTransparent(false);
    saved.caption->SetFontSize(17);
    saved.picture->SetResourceName(u"bg");
    TBTDOC20 document;
    TBTNode20_Class* root = document.TopNode()->AddChildNode_Class(u"Material", u"材质");
    saved.SaveToDocNode(*root);
    EXPECT_EQ(root->Value(), u"TFullMaterial");
    // Pictures first, then the parameters, then the transparency flag.
    ASSERT_EQ(root->ChildNodes().Count(), 6);
    EXPECT_EQ(root->ChildNodes().GetItems(0)->NodeName(), u"Picture");
    EXPECT_EQ(root->ChildNodes().GetItems(1)->NodeName(), u"DrawBackColorParam");
    EXPECT_EQ(root->ChildNodes().GetItems(5)->NodeName(), u"IsTransparent");
    EXPECT_EQ(root->ChildNodes().GetItems(5)->NodeCaption(), u"是否透明");

    FullMaterial loaded;
    loaded.LoadFromDocNode(*root);
    EXPECT_FALSE(loaded.IsTransparent());
    EXPECT_EQ(loaded.caption->FontSize(), 17);
    EXPECT_EQ(loaded.picture->ResourceName(), u"bg");

    const std::byte five[4] = {std::byte{5}, std::byte{0}, std::byte{0}, std::byte{0}};
    root->ChildNodes().GetItems(5)->WriteBuffer(five);
    loaded.SetIsTransparent(false);
    loaded.LoadFromDocNode(*root);
    EXPECT_TRUE(loaded.IsTransparent());
}

TEST(SkinMaterialTest, MouseEffectQueriesLookAtEveryParameter) {
    TestMaterial material;
    EXPECT_FALSE(material.HasMouseDownEffect());
    EXPECT_FALSE(material.HasMouseOverEffect());
    material.caption->DrawEffectSetting().MouseOverEffect().SetCommonEffectTypes(
        {TDPCommonEffectType::dpcetAlphaChange});
    EXPECT_FALSE(material.HasMouseDownEffect());
    EXPECT_TRUE(material.HasMouseOverEffect());
}

TEST(SkinMaterialTest, DestructionTellsTheLinksFirst) {
    std::vector<std::string> order;
    TSkinObjectChangeLink link;
    auto material = std::make_unique<TestMaterial>();
    const TestMaterial* address = material.get();
    link.OnDestroy = [&](ui::Object* sender) {
        order.push_back(sender == address ? "destroy material" : "destroy other");
    };
    material->RegisterChanges(&link);
    material.reset();
    EXPECT_EQ(order, (std::vector<std::string>{"destroy material"}));
    EXPECT_EQ(link.Sender(), nullptr);
}

}  // namespace
}  // namespace skin
