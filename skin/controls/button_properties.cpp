#include "skin/controls/button_properties.h"

#include "skin/controls/button_group.h"
#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_error.h"
#include "skin/core/store_if_changed.h"
#include "skin/picture/draw_picture.h"
#include "ui/control.h"
#include "ui/property_table.h"

namespace skin {

namespace {

constexpr double kNewButtonWidth = 100;
constexpr double kNewButtonHeight = 40;

}  // namespace

TBaseButtonProperties::TBaseButtonProperties(ui::Component& skinControl)
    : TSkinControlProperties(skinControl),
      icon_(CreateDrawPicture(u"Icon", u"按钮图标", u"")),
      pushedIcon_(CreateDrawPicture(u"PushedIcon", u"按钮按下图标", u"")) {
    SkinControlIntf().SetWidth(kNewButtonWidth);
    SkinControlIntf().SetHeight(kNewButtonHeight);
}

TBaseButtonProperties::~TBaseButtonProperties() {
    if (buttonGroupIntf_ == nullptr) return;
    buttonGroupIntf_->RemoveButton(SkinControlIntf().AsFrameworkControl());
    buttonGroupIntf_->ArrangeButtons();
}

const ui::PropertyTable& TBaseButtonProperties::StaticProperties() {
    using P = TBaseButtonProperties;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<P>(&TSkinControlProperties::StaticProperties())
            .Text(u"HelpText", &P::HelpText, [](P& p, const std::u16string& v) { p.SetHelpText(v); })
            .Bool(u"IsPushed", &P::IsPushed, &P::SetIsPushed)
            .Bool(u"IsAutoPush", &P::IsAutoPush, &P::SetIsAutoPush)
            .Integer(u"PushedGroupIndex", &P::PushedGroupIndex, &P::SetPushedGroupIndex)
            .Object(u"Icon", [](P& p) -> TDrawPicture& { return p.Icon(); })
            .Object(u"PushedIcon", [](P& p) -> TDrawPicture& { return p.PushedIcon(); })
            .Integer(
                u"ButtonIndex", [](const P& p) { return const_cast<P&>(p).ButtonIndex(); }, &P::SetButtonIndex)
            .ComponentRef<ui::Control>(u"ButtonGroup", &P::ButtonGroup, &P::SetButtonGroup)
            .Build();
    return table;
}

ISkinButton& TBaseButtonProperties::SkinButtonIntf() const {
    auto* button = dynamic_cast<ISkinButton*>(&SkinControl());
    if (button == nullptr) throw SkinError("This Component Do not Support ISkinButton Interface");
    return *button;
}

bool TBaseButtonProperties::IsReadingOrLoading() const {
    return SkinControl().IsReading() || SkinControl().IsLoading();
}

void TBaseButtonProperties::SetHelpText(std::u16string_view value) {
    if (helpText_ == value) return;
    helpText_ = value;
    PropertiesChanged(this);
}

void TBaseButtonProperties::SetIsPushed(bool value) {
    if (value == isPushed_) return;
    bool rivalsFound = false;
    ui::Component* parent = SkinControl().Parent();
    if (!IsReadingOrLoading() && pushedGroupIndex_ != 0 && parent != nullptr) {
        for (ui::Component* child : parent->Children()) {
            if (child == &SkinControl()) continue;
            auto* rival = dynamic_cast<ISkinButton*>(child);
            if (rival == nullptr) continue;
            TBaseButtonProperties& rivalProperties = rival->GetButtonProperties();
            if (rivalProperties.PushedGroupIndex() != pushedGroupIndex_) continue;
            rivalsFound = true;
            if (!isPushed_ && rivalProperties.IsPushed()) {
                rivalProperties.StaticSetIsPushed(false);
                if (auto* rivalControl = dynamic_cast<ISkinControl*>(child)) rivalControl->Invalidate();
            }
        }
    }
    if (pushedGroupIndex_ == 0 || !rivalsFound || value) isPushed_ = value;
    PropertiesChanged(this);
}

void TBaseButtonProperties::SetIcon(const TDrawPicture& picture) { icon_->Assign(&picture); }

void TBaseButtonProperties::SetPushedIcon(const TDrawPicture& picture) { pushedIcon_->Assign(&picture); }

int TBaseButtonProperties::ButtonIndex() {
    if (buttonGroupIntf_ == nullptr) return -1;
    buttonIndex_ = buttonGroupIntf_->IndexOfButton(SkinControlIntf().AsFrameworkControl());
    return buttonIndex_;
}

void TBaseButtonProperties::SetButtonIndex(int value) {
    if (IsReadingOrLoading()) {
        buttonIndex_ = value;
        return;
    }
    if (buttonGroupIntf_ == nullptr) return;
    // A negative position would move the button out of the list just as one past its end would.
    if (value < 0 || value > buttonGroupIntf_->ButtonCount() - 1) return;
    ui::Control& button = SkinControlIntf().AsFrameworkControl();
    const int current = buttonGroupIntf_->IndexOfButton(button);
    if (current >= 0 && current != value) buttonGroupIntf_->MoveButton(current, value);
    buttonIndex_ = value;
    buttonGroupIntf_->ArrangeButtons();
}

void TBaseButtonProperties::SetButtonGroup(ui::Control* group) {
    if (group == buttonGroup_) return;
    ui::Control& button = SkinControlIntf().AsFrameworkControl();
    ISkinButtonGroup* newIntf = nullptr;
    if (group != nullptr) {
        newIntf = dynamic_cast<ISkinButtonGroup*>(group);
        if (newIntf == nullptr) throw SkinError("This Component Do not Support ISkinButtonGroup Interface");
    }
    ISkinButtonGroup* oldIntf = buttonGroupIntf_;
    if (buttonGroup_ != nullptr) {
        SkinControlIntf().SetParent(nullptr);
        oldIntf->RemoveButton(button);
        button.RemoveFreeNotification(buttonGroup_);
        buttonGroup_ = nullptr;
        buttonGroupIntf_ = nullptr;
    }
    if (group == nullptr) {
        if (oldIntf != nullptr) oldIntf->ArrangeButtons();
        return;
    }
    buttonGroup_ = group;
    buttonGroupIntf_ = newIntf;
    button.FreeNotification(group);
    if (newIntf->IndexOfButton(button) < 0) {
        newIntf->AddButton(button);
        SkinControlIntf().SetParent(group);
    }
    newIntf->ArrangeButtons();
}

void TBaseButtonProperties::ButtonGroupDestroyed() {
    buttonGroup_ = nullptr;
    buttonGroupIntf_ = nullptr;
}

void TBaseButtonProperties::AssignProperties(const TSkinControlProperties& source) {
    TSkinControlProperties::AssignProperties(source);
    const auto* button = dynamic_cast<const TBaseButtonProperties*>(&source);
    if (button == nullptr) return;
    isPushed_ = button->isPushed_;
    isAutoPush_ = button->isAutoPush_;
    pushedGroupIndex_ = button->pushedGroupIndex_;
    icon_->Assign(button->icon_);
    pushedIcon_->Assign(button->pushedIcon_);
}

}  // namespace skin
