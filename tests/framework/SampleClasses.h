#pragma once

// Small classes that publish every kind of property the way the tool's classes do: style
// objects nested in controls, a re-published property, collections of items holding
// collections and binary data, references, events bound to a form's methods.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/classes/Events.h"
#include "framework/classes/StringList.h"
#include "platform/graphics/Color.h"

namespace framework::sample {

using platform::TColor;

enum TSampleBevel { sbNone, sbRaised, sbLowered };
inline constexpr std::string_view SampleBevelNames[] = {"sbNone", "sbRaised", "sbLowered"};
inline constexpr TEnumType SampleBevelType{"TSampleBevel", SampleBevelNames};

enum TSampleFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TSampleFontStyles = TSet<TSampleFontStyle>;
inline constexpr std::string_view SampleFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline",
                                                            "fsStrikeOut"};
inline constexpr TEnumType SampleFontStyleType{"TSampleFontStyle", SampleFontStyleNames};

enum TSampleUIStyle { usMacOS, usDeepBlue };
inline constexpr std::string_view SampleUIStyleNames[] = {"usMacOS", "usDeepBlue"};
inline constexpr TEnumType SampleUIStyleType{"TSampleUIStyle", SampleUIStyleNames};

class TSampleForm;

// Its initial ColorBorderTop differs from the declared default, so a new object stores it.
class TSamplePainting : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo() {
    using P = TSamplePainting;
    static const TClassInfo info =
        TClassBuilder<P, TPersistent>("TSamplePainting")
            .Enum("Bevel", SampleBevelType, &P::Bevel, &P::SetBevel, sbRaised)
            .Color("ColorBorderTop", &P::ColorBorderTop, &P::SetColorBorderTop, 0xFFFFFF)
            .Color("Color", &P::Color, &P::SetColor, 0xCAC2B7)
            .Int("Transparency", &P::Transparency, &P::SetTransparency, 0)
            .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSampleBevel Bevel() const { return bevel_; }
  void SetBevel(TSampleBevel v) { bevel_ = v; }
  TColor ColorBorderTop() const { return colorBorderTop_; }
  void SetColorBorderTop(TColor v) { colorBorderTop_ = v; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { color_ = v; }
  std::uint8_t Transparency() const { return transparency_; }
  void SetTransparency(std::uint8_t v) { transparency_ = v; }

 private:
  TSampleBevel bevel_ = sbRaised;
  TColor colorBorderTop_ = platform::clBtnHighlight;
  TColor color_ = 0xCAC2B7;
  std::uint8_t transparency_ = 0;
};

class TSampleStyle : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo() {
    using S = TSampleStyle;
    static const TClassInfo info =
        TClassBuilder<S, TPersistent>("TSampleStyle")
            .Event("OnMouseEnter", &S::OnMouseEnter)
            .Bool("SoftControl", &S::SoftControl, &S::SetSoftControl, true)
            .Int("GroupIndex", &S::GroupIndex, &S::SetGroupIndex, NoDefault)
            .String("SkinSection", &S::SkinSection, &S::SetSkinSection)
            .Object("Painting", &S::Painting)
            .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool SoftControl() const { return softControl_; }
  void SetSoftControl(bool v) { softControl_ = v; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v) { groupIndex_ = v; }
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& v) { skinSection_ = v; }
  TSamplePainting* Painting() const { return painting_.get(); }

  TNotifyEvent OnMouseEnter;

 private:
  bool softControl_ = true;
  int groupIndex_ = 0;
  std::string skinSection_;
  std::unique_ptr<TSamplePainting> painting_ = std::make_unique<TSamplePainting>();
};

// Publishes GroupIndex again with storage of its own; the base's number stays untouched.
class TSamplePaintStyle : public TSampleStyle {
 public:
  static const TClassInfo& StaticClassInfo() {
    using S = TSamplePaintStyle;
    static const TClassInfo info =
        TClassBuilder<S, TSampleStyle>("TSamplePaintStyle")
            .Int("GroupIndex", &S::PaintGroupIndex, &S::SetPaintGroupIndex, NoDefault)
            .Int("Percent", &S::Percent, &S::SetPercent, 70)
            .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int PaintGroupIndex() const { return paintGroupIndex_; }
  void SetPaintGroupIndex(int v) { paintGroupIndex_ = v; }
  int Percent() const { return percent_; }
  void SetPercent(int v) { percent_ = v; }

 private:
  int paintGroupIndex_ = 0;
  int percent_ = 70;
};

class TSampleControl : public TComponent {
 public:
  explicit TSampleControl(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo() {
    using C = TSampleControl;
    static const TClassInfo info =
        TClassBuilder<C, TComponent>("TSampleControl")
            .Int("Left", &C::Left, &C::SetLeft, 0)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Color("Color", &C::Color, &C::SetColor, platform::clBtnFace)
            .Bool("Visible", &C::Visible, &C::SetVisible, true)
            .Set("FontStyle", SampleFontStyleType, &C::FontStyle, &C::SetFontStyle,
                 TSampleFontStyles{})
            .Object("Items", &C::Items)
            .Object("sStyle", &C::Style)
            .Component("FocusControl", &C::FocusControl, &C::SetFocusControl)
            .Event("OnClick", &C::OnClick)
            .Event("OnKeyPress", &C::OnKeyPress)
            .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Left() const { return left_; }
  void SetLeft(int v) { left_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { color_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  TSampleFontStyles FontStyle() const { return fontStyle_; }
  void SetFontStyle(TSampleFontStyles v) { fontStyle_ = v; }
  TStringList* Items() const { return items_.get(); }
  TSamplePaintStyle* Style() const { return style_.get(); }

  TSampleControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TSampleControl* v) {
    if (focusControl_) focusControl_->RemoveFreeNotification(this);
    focusControl_ = v;
    if (v) v->FreeNotification(this);
  }

  TComponent* GetParentComponent() const override { return parent_; }
  void SetParentComponent(TComponent* parent) override { parent_ = parent; }

  TNotifyEvent OnClick;
  TKeyPressEvent OnKeyPress;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == focusControl_) focusControl_ = nullptr;
    if (component == parent_) parent_ = nullptr;
  }
  void Loaded() override;

 private:
  int left_ = 0;
  std::string caption_;
  TColor color_ = platform::clBtnFace;
  bool visible_ = true;
  TSampleFontStyles fontStyle_;
  std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
  std::unique_ptr<TSamplePaintStyle> style_ = std::make_unique<TSamplePaintStyle>();
  TSampleControl* focusControl_ = nullptr;
  TComponent* parent_ = nullptr;
};

// Setting UIStyle sets both colours; a colour stored after it overrides the style's.
class TSampleGrid : public TComponent {
 public:
  explicit TSampleGrid(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo() {
    using G = TSampleGrid;
    static const TClassInfo info =
        TClassBuilder<G, TComponent>("TSampleGrid")
            .Enum("UIStyle", SampleUIStyleType, &G::UIStyle, &G::SetUIStyle, NoDefault)
            .Color("BGColor", &G::BGColor, &G::SetBGColor, NoDefault)
            .Color("FixedColor", &G::FixedColor, &G::SetFixedColor, NoDefault)
            .Event("OnSelectCell", &G::OnSelectCell)
            .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSampleUIStyle UIStyle() const { return uiStyle_; }
  void SetUIStyle(TSampleUIStyle v) {
    uiStyle_ = v;
    bgColor_ = v == usDeepBlue ? 0xE8E8E8 : 0xE7E7E7;
    fixedColor_ = v == usDeepBlue ? 0xA04A44 : 0xC47339;
  }
  TColor BGColor() const { return bgColor_; }
  void SetBGColor(TColor v) { bgColor_ = v; }
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor v) { fixedColor_ = v; }

  TSelectCellEvent OnSelectCell;

 private:
  TSampleUIStyle uiStyle_ = usMacOS;
  TColor bgColor_ = 0xE7E7E7;
  TColor fixedColor_ = 0xC47339;
};

class TSampleImage : public TCollectionItem {
 public:
  explicit TSampleImage(TCollection* collection) : TCollectionItem(collection) {}

  static const TClassInfo& StaticClassInfo() {
    using I = TSampleImage;
    static const TClassInfo info = TClassBuilder<I, TCollectionItem>("TSampleImage")
                                       .String("SectionName", &I::SectionName, &I::SetSectionName)
                                       .Binary("Data", &I::Data, &I::SetData)
                                       .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& SectionName() const { return sectionName_; }
  void SetSectionName(const std::string& v) { sectionName_ = v; }
  const TBytes& Data() const { return data_; }
  void SetData(const TBytes& v) { data_ = v; }

 private:
  std::string sectionName_;
  TBytes data_;
};

class TSampleSection : public TCollectionItem {
 public:
  explicit TSampleSection(TCollection* collection) : TCollectionItem(collection) {}

  static const TClassInfo& StaticClassInfo() {
    using S = TSampleSection;
    static const TClassInfo info =
        TClassBuilder<S, TCollectionItem>("TSampleSection")
            .String("SectionName", &S::SectionName, &S::SetSectionName)
            .Color("PaintingColor", &S::PaintingColor, &S::SetPaintingColor, NoDefault)
            .Enum("PaintingBevel", SampleBevelType, &S::PaintingBevel, &S::SetPaintingBevel,
                  NoDefault)
            .Component("Control", &S::Control, &S::SetControl)
            .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& SectionName() const { return sectionName_; }
  void SetSectionName(const std::string& v) { sectionName_ = v; }
  TColor PaintingColor() const { return paintingColor_; }
  void SetPaintingColor(TColor v) { paintingColor_ = v; }
  TSampleBevel PaintingBevel() const { return paintingBevel_; }
  void SetPaintingBevel(TSampleBevel v) { paintingBevel_ = v; }
  TSampleControl* Control() const { return control_; }
  void SetControl(TSampleControl* v) { control_ = v; }

 private:
  std::string sectionName_;
  TColor paintingColor_ = 0xFFFFFF;
  TSampleBevel paintingBevel_ = sbNone;
  TSampleControl* control_ = nullptr;
};

// A stored skin: a name and two collections of its own.
class TSampleSkin : public TCollectionItem {
 public:
  explicit TSampleSkin(TCollection* collection) : TCollectionItem(collection) {}

  static const TClassInfo& StaticClassInfo() {
    using S = TSampleSkin;
    static const TClassInfo info = TClassBuilder<S, TCollectionItem>("TSampleSkin")
                                       .String("Name", &S::Name, &S::SetName)
                                       .Object("Sections", &S::Sections)
                                       .Object("Images", &S::Images)
                                       .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& v) { name_ = v; }
  TCollection* Sections() const { return sections_.get(); }
  TCollection* Images() const { return images_.get(); }

 private:
  std::string name_;
  std::unique_ptr<TCollection> sections_ =
      std::make_unique<TCollection>(TSampleSection::StaticClassInfo(), this);
  std::unique_ptr<TCollection> images_ =
      std::make_unique<TCollection>(TSampleImage::StaticClassInfo(), this);
};

// Setting SkinName activates the stored skin of that name, while the description is still
// being read: the skins must come before it.
class TSampleManager : public TComponent {
 public:
  explicit TSampleManager(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo() {
    using M = TSampleManager;
    static const TClassInfo info = TClassBuilder<M, TComponent>("TSampleManager")
                                       .Bool("Active", &M::Active, &M::SetActive, true)
                                       .Object("InternalSkins", &M::InternalSkins)
                                       .String("SkinName", &M::SkinName, &M::SetSkinName)
                                       .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Active() const { return active_; }
  void SetActive(bool v) { active_ = v; }
  TCollection* InternalSkins() const { return skins_.get(); }
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(const std::string& v) {
    skinName_ = v;
    activeSections_ = -1;
    for (int i = 0; i < skins_->Count(); ++i) {
      const auto* skin = static_cast<TSampleSkin*>(skins_->Items(i));
      if (skin->Name() == v) activeSections_ = skin->Sections()->Count();
    }
    loadingWhenActivated_ = ComponentState().Contains(csLoading);
  }

  int ActiveSections() const { return activeSections_; }
  bool LoadingWhenActivated() const { return loadingWhenActivated_; }

 private:
  bool active_ = true;
  std::unique_ptr<TCollection> skins_ =
      std::make_unique<TCollection>(TSampleSkin::StaticClassInfo(), this);
  std::string skinName_;
  int activeSections_ = -1;
  bool loadingWhenActivated_ = false;
};

// The root of the sample descriptions: published fields and handler methods.
class TSampleForm : public TComponent {
 public:
  explicit TSampleForm(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo() {
    using F = TSampleForm;
    static const TClassInfo info = TClassBuilder<F, TComponent>("TSampleForm")
                                       .String("Caption", &F::Caption, &F::SetCaption)
                                       .Color("Color", &F::Color, &F::SetColor, platform::clBtnFace)
                                       .Event("OnCreate", &F::OnCreate)
                                       .Field("Button", &F::Button)
                                       .Field("Grid", &F::Grid)
                                       .Method("FormCreate", &F::FormCreate)
                                       .Method("ButtonClick", &F::ButtonClick)
                                       .Method("OtherClick", &F::OtherClick)
                                       .Method("ControlKeyPress", &F::ControlKeyPress)
                                       .Method("GridSelectCell", &F::GridSelectCell)
                                       .Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { color_ = v; }

  void FormCreate(TObject*) { Log.push_back("FormCreate"); }
  void ButtonClick(TObject* sender) {
    Log.push_back("ButtonClick " + static_cast<TComponent*>(sender)->Name());
  }
  void OtherClick(TObject*) { Log.push_back("OtherClick"); }
  void ControlKeyPress(TObject*, char& key) {
    if (key == 'x') key = 0;
  }
  void GridSelectCell(TObject*, int col, int row, bool& canSelect) {
    canSelect = col > 0 && row > 0;
  }

  TNotifyEvent OnCreate;
  TSampleControl* Button = nullptr;
  TSampleGrid* Grid = nullptr;
  std::vector<std::string> Log;

 protected:
  void Loaded() override { Log.push_back("Loaded " + Name()); }

 private:
  std::string caption_;
  TColor color_ = platform::clBtnFace;
};

inline void TSampleControl::Loaded() {
  if (auto* form = dynamic_cast<TSampleForm*>(Owner())) {
    const bool loading = ComponentState().Contains(csLoading);
    const bool reading = ComponentState().Contains(csReading);
    form->Log.push_back("Loaded " + Name() + (loading && !reading ? "" : " in a wrong state"));
  }
}

inline const TClassRegistry& SampleClasses() {
  static const TClassRegistry registry = [] {
    TClassRegistry r;
    r.Register(TSampleControl::StaticClassInfo());
    r.Register(TSampleGrid::StaticClassInfo());
    r.Register(TSampleManager::StaticClassInfo());
    r.Register(TSamplePainting::StaticClassInfo());
    return r;
  }();
  return registry;
}

}  // namespace framework::sample
