#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <typeindex>
#include <variant>
#include <vector>

namespace framework {

class TObject;
class TPersistent;
class TComponent;
class TCollection;
class TCollectionItem;
class TClassInfo;
template <class T, class Base>
class TClassBuilder;

using TBytes = std::vector<std::uint8_t>;

// The names of an enumeration's values in ordinal order; also the element names of a set.
struct TEnumType {
  std::string_view Name;
  std::span<const std::string_view> Names;

  // The ordinal of a name (without regard to case), or -1.
  int IndexOf(std::string_view name) const;
};

enum class TPropKind {
  Integer,
  Boolean,
  Char,
  String,
  Color,
  Enumeration,
  Set,
  Event,
  Object,
  Collection,
  Binary,
  Strings,
  Component,
};

// A property value on its way between the stored text and the setter. Ordinal kinds
// (integer, boolean, character, colour, enumeration, set bits) use the integer; an event is a
// std::any holding its std::function, empty when unassigned; objects and collections are only read.
using TPropValue = std::variant<std::int64_t, std::string, TBytes, std::vector<std::string>,
                                TComponent*, TPersistent*, std::any>;

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  const TEnumType* Type = nullptr;      // enumeration values or set elements
  std::optional<std::int64_t> Default;  // ordinal kinds; none means always stored
  std::type_index EventType{typeid(void)};
  std::function<TPropValue(const TPersistent&)> Get;
  std::function<void(TPersistent&, const TPropValue&)> Set;  // none for objects, collections
};

// A method of a form that stored event handler names bind to.
struct TMethodInfo {
  std::string Name;
  std::type_index Type{typeid(void)};  // the signature, as the events' EventType
  std::function<std::any(TObject& instance)> Bind;
  std::function<bool(const std::any& handler, const TObject& instance)> IsBoundTo;
};

// A form's field that holds the owned component of the same name.
struct TFieldInfo {
  std::string Name;
  const TClassInfo* Class = nullptr;  // what the field can hold
  std::function<TComponent*(const TObject& instance)> Get;
  std::function<void(TObject& instance, TComponent* component)> Set;
};

// Everything the streaming system knows about a class; built once per class by
// TClassBuilder and never changed.
class TClassInfo {
 public:
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo(TClassInfo&&) = default;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& other) const;

  // Published properties in stream order: inherited ones first; a property published again
  // by a subclass keeps its place with the subclass's storage.
  const std::vector<TPropInfo>& Properties() const { return properties_; }
  const TPropInfo* FindProperty(std::string_view name) const;

  const TMethodInfo* FindMethod(std::string_view name) const;
  // The published method that handler is bound to on instance, or null.
  const TMethodInfo* FindMethodOf(const std::any& handler, const TObject& instance) const;
  const TFieldInfo* FindField(std::string_view name) const;

  bool CanCreateComponent() const { return static_cast<bool>(createComponent_); }
  TComponent* CreateComponent(TComponent* owner) const { return createComponent_(owner); }
  bool CanCreateItem() const { return static_cast<bool>(createItem_); }
  TCollectionItem* CreateItem(TCollection& collection) const { return createItem_(collection); }

 private:
  template <class T, class Base>
  friend class TClassBuilder;
  TClassInfo(std::string name, const TClassInfo* parent);

  std::string name_;
  const TClassInfo* parent_;
  std::vector<TPropInfo> properties_;
  std::vector<TMethodInfo> methods_;
  std::vector<TFieldInfo> fields_;
  std::function<TComponent*(TComponent*)> createComponent_;
  std::function<TCollectionItem*(TCollection&)> createItem_;
};

}  // namespace framework
