#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/core/base_list.h"
#include "skin/core/skin_object_change.h"
#include "ui/component.h"

namespace skin {

class TBTNode20_Class;
class TDrawParam;
class TDrawRectParam;
class TDrawTextParam;
class TDrawPictureParam;
class TDrawLineParam;
class TDrawPathParam;
class TDrawPicture;
class TSkinStringList;

// The look of one kind of skinned control: a component that owns an ordered set of drawing parameters and
// pictures, made through its Create operations (which bind each one's change report to DoChange). Every
// control that uses the material registers a change link with it; a change of any parameter or picture
// repaints all of them (DoChange), unless the paint lock is held, the material has no owner or the owner is
// being read or loaded.
//
// The material owns what it created and frees it, the last created first, when it is destroyed; the two
// lists only refer to the objects. Destruction then announces itself to the change links (each control
// lets go of the material) before the removal notifications go out.
class TSkinMaterial : public ui::Component {
public:
    TSkinMaterial();
    ~TSkinMaterial() override;
    std::u16string_view ClassName() const override { return u"TSkinMaterial"; }

    // Every drawing parameter the material created (TDrawParam), in creation order.
    const TBaseList& DrawParamList() const { return drawParamList_; }
    // Every picture the material created (TDrawPicture), in creation order.
    const TBaseList& DrawPictureList() const { return drawPictureList_; }
    int DrawParamCount() const { return drawParamList_.Count(); }
    TDrawParam* DrawParam(int index) const;
    int DrawPictureCount() const { return drawPictureList_.Count(); }
    TDrawPicture* DrawPicture(int index) const;

    // The change manager's own notify event.
    ui::NotifyEvent OnChange() const;
    void SetOnChange(ui::NotifyEvent handler);

    // --- creation: each makes the object, names it, binds its change report to DoChange, sets its material
    // and appends it to its list.
    TDrawRectParam* CreateDrawRectParam(std::u16string_view name, std::u16string_view caption);
    TDrawTextParam* CreateDrawTextParam(std::u16string_view name, std::u16string_view caption);
    TDrawPictureParam* CreateDrawPictureParam(std::u16string_view name, std::u16string_view caption);
    TDrawLineParam* CreateDrawLineParam(std::u16string_view name, std::u16string_view caption);
    TDrawPathParam* CreateDrawPathParam(std::u16string_view name, std::u16string_view caption);
    TDrawPicture* CreateDrawPicture(std::u16string_view name, std::u16string_view caption, std::u16string_view group);

    // The first parameter / picture whose name equals name exactly, or nullptr.
    TDrawParam* FindParamByName(std::u16string_view name) const;
    TDrawPicture* FindPictureByName(std::u16string_view name) const;

    void RegisterChanges(TSkinObjectChangeLink* link);
    void UnRegisterChanges(TSkinObjectChangeLink* link);
    // The number of change links registered (the controls that use the material).
    int LinkCount() const;

    // Reports a change to the links (the last registered first), then to OnChange; sender is not used.
    virtual void DoChange(ui::Object* sender);
    // Some parameter has a mouse-down / mouse-over effect (any effect type).
    virtual bool HasMouseDownEffect() const;
    virtual bool HasMouseOverEffect() const;
    // The picture, then the parameter children of docNode named after them; others are ignored. True.
    virtual bool LoadFromDocNode(TBTNode20_Class& docNode);
    // The class name, then one class child per picture and per parameter, in list order. True.
    virtual bool SaveToDocNode(TBTNode20_Class& docNode) const;

protected:
    // Copies a material: parameters and pictures by name, then reports (see the .cpp). Anything that is not a
    // material is refused.
    bool AssignFrom(const ui::Persistent& source) override;
    // Copies what a subclass adds, before the parameters (TSkinControlMaterial: IsTransparent).
    virtual void AssignMaterialValues(const TSkinMaterial& source) {}

private:
    template <class P>
    P* AddParam(std::unique_ptr<P> param);

    TSkinObjectChangeManager changeManager_{this};
    TBaseList drawParamList_{ooReference};
    TBaseList drawPictureList_{ooReference};
    std::vector<std::unique_ptr<ui::Persistent>> owned_;
};

// The base of every control's material: a background rectangle (item 0 of the parameters), whether it is
// drawn (IsTransparent), and the style name and aliases under which controls find the material in
// GlobalStyleList.
class TSkinControlMaterial : public TSkinMaterial {
public:
    TSkinControlMaterial();
    ~TSkinControlMaterial() override;
    std::u16string_view ClassName() const override { return u"TSkinControlMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& StyleName() const { return styleName_; }
    // Stores the name; a name that is not blank makes the material a member of GlobalStyleList (once), a
    // blank one takes it out.
    void SetStyleName(std::u16string_view value);
    bool IsInGlobalStyleList() const { return isInGlobalStyleList_; }
    TSkinStringList& StyleNameAliases() const { return *styleNameAliases_; }
    void SetStyleNameAliases(const TSkinStringList& aliases);
    int RefControlCount() const { return LinkCount(); }
    bool IsTransparent() const { return isTransparent_; }
    // Stores a changed value and reports it.
    void SetIsTransparent(bool value);
    TDrawRectParam& DrawBackColorParam() const { return *drawBackColorParam_; }
    // Copies param into the background rectangle.
    void SetBackColor(const TDrawRectParam& param);

    bool LoadFromDocNode(TBTNode20_Class& docNode) override;
    bool SaveToDocNode(TBTNode20_Class& docNode) const override;

protected:
    void AssignMaterialValues(const TSkinMaterial& source) override;

private:
    bool isInGlobalStyleList_ = false;
    std::u16string styleName_;
    std::unique_ptr<TSkinStringList> styleNameAliases_;
    bool isTransparent_ = true;
    TDrawRectParam* drawBackColorParam_ = nullptr;
};

// The process-wide list of the materials with a style name (reference ownership, list order is the order
// in which they got their names).
TBaseList& GlobalStyleList();

}  // namespace skin
