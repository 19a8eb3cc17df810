#pragma once

#include <memory>
#include <string>

#include "framework/classes/Collection.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/JpegImage.h"
#include "skinengine/pixels/sGradient.h"
#include "skinengine/skin/sSkinSection.h"

// Skins kept inside the skin manager and streamed with the form that owns it. None of the
// properties declares a default, so every value but an empty string is stored.
namespace sSkinManager {

// A collection of one item class, with typed access to its items.
template <class Item>
class TsTypedCollection : public framework::TCollection {
 public:
  explicit TsTypedCollection(framework::TPersistent* owner)
      : TCollection(Item::StaticClassInfo(), owner) {}

  Item* Items(int index) const { return static_cast<Item*>(TCollection::Items(index)); }
  Item* Add() { return static_cast<Item*>(TCollection::Add()); }
};

// The stored values of one section, as the description holds them: the keys of
// BEZIER_SKIN_SECTION_KEYS, Name included, which is kept for the description only.
struct TsGeneralValues {
#define BEZIER_STORED_KEY(name, kind, ...) TsKeyType<TsKeyKind::kind>::Stored name{};
#define BEZIER_STORED_GRADIENT(name, ...) sGradient::TsGradientData name;
  BEZIER_SKIN_SECTION_KEYS(BEZIER_STORED_KEY, BEZIER_STORED_GRADIENT, BEZIER_STORED_KEY)
#undef BEZIER_STORED_KEY
#undef BEZIER_STORED_GRADIENT
};

// Every key at its "Options.dat" default, as a stored skin holds it.
TsGeneralValues DefaultGeneralValues();

// One section of a stored skin. Every setter only stores the value.
class TsSkinGeneral : public framework::TCollectionItem {
 public:
  explicit TsSkinGeneral(framework::TCollection* collection) : TCollectionItem(collection) {}

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const framework::TPersistent* source) override;

  TsGeneralValues& Values() { return values_; }
  const TsGeneralValues& Values() const { return values_; }

 private:
  template <class V>
  struct FieldType;
  template <class V>
  struct FieldType<V TsGeneralValues::*> {
    using Type = V;
  };

  // The published accessors of one field of the values.
  template <auto Field>
  typename FieldType<decltype(Field)>::Type Get() const {
    return values_.*Field;
  }
  template <auto Field>
  void Set(typename FieldType<decltype(Field)>::Type value) {
    values_.*Field = std::move(value);
  }
  template <auto Field>
  std::string GetGradient() const {
    return (values_.*Field).Text();
  }
  template <auto Field>
  void SetGradient(const std::string& text) {
    values_.*Field = text;
  }

  using TBuilder = framework::TClassBuilder<TsSkinGeneral, framework::TCollectionItem>;
  // Publishes one key of the values, as its kind is streamed.
  template <TsKeyKind Kind, auto Field>
  static void Publish(TBuilder& builder, const char* name);
  template <auto Field>
  static void PublishGradient(TBuilder& builder, const char* name);

  TsGeneralValues values_;
};

class TsSkinGenerals : public TsTypedCollection<TsSkinGeneral> {
 public:
  using TsTypedCollection::TsTypedCollection;
  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

// A picture of a stored skin, addressed by section and property name.
template <class Picture>
class TsSkinPicture : public framework::TCollectionItem {
 public:
  explicit TsSkinPicture(framework::TCollection* collection)
      : TCollectionItem(collection), image_(std::make_unique<Picture>()) {}

  // Copies the names and the picture.
  void Assign(const framework::TPersistent* source) override;

  const std::string& SectionName() const { return sectionName_; }
  void SetSectionName(const std::string& name) { sectionName_ = name; }
  Picture* Image() const { return image_.get(); }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  const std::string& PropertyName() const { return propertyName_; }
  void SetPropertyName(const std::string& name) { propertyName_ = name; }

 private:
  std::string sectionName_;
  std::unique_ptr<Picture> image_;
  std::string name_;
  std::string propertyName_;
};

// A bitmap of a stored skin.
class TsSkinImage : public TsSkinPicture<framework::TBitmap> {
 public:
  using TsSkinPicture::TsSkinPicture;
  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

class TsSkinImages : public TsTypedCollection<TsSkinImage> {
 public:
  using TsTypedCollection::TsTypedCollection;
  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

// A JPEG picture that descriptions carry as "Data": the file's bytes.
class TsPatternImage : public framework::TJPEGImage {
 public:
  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Empty data empties the picture.
  void SetData(const framework::TBytes& data);
};

// A texture of a stored skin.
class TsSkinPattern : public TsSkinPicture<TsPatternImage> {
 public:
  using TsSkinPicture::TsSkinPicture;
  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

class TsSkinPatterns : public TsTypedCollection<TsSkinPattern> {
 public:
  using TsTypedCollection::TsTypedCollection;
  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

// One named skin: its sections, images and patterns.
class TsStoredSkin : public framework::TCollectionItem {
 public:
  explicit TsStoredSkin(framework::TCollection* collection);
  ~TsStoredSkin() override;

  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // A deep copy, so that whole skins can be assigned from code.
  void Assign(const framework::TPersistent* source) override;

  // Matched exactly, with case, against the manager's SkinName.
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  TsSkinGenerals* GeneralData() const { return generalData_.get(); }
  void SetGeneralData(const TsSkinGenerals* data) { generalData_->Assign(data); }
  TsSkinImages* Images() const { return images_.get(); }
  void SetImages(const TsSkinImages* images) { images_->Assign(images); }
  TsSkinPatterns* Patterns() const { return patterns_.get(); }
  void SetPatterns(const TsSkinPatterns* patterns) { patterns_->Assign(patterns); }

 private:
  std::string name_;
  // Made in this order: images, patterns, general data.
  std::unique_ptr<TsSkinImages> images_;
  std::unique_ptr<TsSkinPatterns> patterns_;
  std::unique_ptr<TsSkinGenerals> generalData_;
};

class TsStoredSkins : public TsTypedCollection<TsStoredSkin> {
 public:
  using TsTypedCollection::TsTypedCollection;
  static const framework::TClassInfo& StaticClassInfo();
  const framework::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The first skin of exactly that name, or null.
  TsStoredSkin* Find(const std::string& name) const;
};

}  // namespace sSkinManager
