#pragma once

#include <cassert>
#include <concepts>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/classes/ClassInfo.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/classes/Set.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"
#include "framework/runtime/ResStrings.h"
#include "framework/runtime/Text.h"
#include "platform/graphics/Color.h"

namespace framework {

inline constexpr std::nullopt_t NoDefault = std::nullopt;

// The declared default of an ordinal property (number, boolean, colour, enumeration value or
// set), or NoDefault when the property is always stored.
class TOrdDefault {
 public:
  TOrdDefault(std::nullopt_t) {}
  template <class V>
  requires std::is_integral_v<V> || std::is_enum_v<V> TOrdDefault(V value)
      : value_(static_cast<std::int64_t>(value)) {}
  template <class E>
  TOrdDefault(TSet<E> value) : value_(value.Bits()) {}

  std::optional<std::int64_t> Value() const { return value_; }

 private:
  std::optional<std::int64_t> value_;
};

namespace detail {

template <class S>
struct TSetterArg;
template <class C, class R, class A>
struct TSetterArg<R (C::*)(A)> {
  using Type = std::remove_cvref_t<A>;
};
template <class C, class R, class A>
struct TSetterArg<R (C::*)(A) noexcept> : TSetterArg<R (C::*)(A)> {};
template <class S>
using SetterArg = typename TSetterArg<S>::Type;

template <class M>
struct TMethodTraits;
template <class C, class R, class... A>
struct TMethodTraits<R (C::*)(A...)> {
  using Class = C;
  using Signature = R(A...);
};

// What a bound handler holds, so that the writer can find the method's name again.
template <class Root, class Signature>
struct TMethodBinding;
template <class Root, class R, class... A>
struct TMethodBinding<Root, R(A...)> {
  Root* Instance;
  R (Root::*Method)(A...);
  R operator()(A... args) const { return (Instance->*Method)(std::forward<A>(args)...); }
};

[[noreturn]] inline void ThrowOutOfRange(std::int64_t value) {
  throw EConvertError(Format(SPropertyOutOfRange, {value}));
}

template <class V>
V CheckedOrdinal(std::int64_t value) {
  if constexpr (std::is_same_v<V, bool>) {
    return value != 0;
  } else {
    if (!std::in_range<V>(value)) ThrowOutOfRange(value);
    return static_cast<V>(value);
  }
}

template <class V>
std::int64_t ToOrdinal(const V& value) {
  if constexpr (requires { value.Bits(); }) {
    return value.Bits();
  } else {
    return static_cast<std::int64_t>(value);
  }
}

}  // namespace detail

// Declares a class's published interface in one place, in stream order:
//   static const TClassInfo info = TClassBuilder<TsGauge, TGraphicControl>("TsGauge")
//       .Int("Progress", &TsGauge::Progress, &TsGauge::SetProgress, 0)
//       .Object("sStyle", &TsGauge::Style)
//       .Event("OnClick", &TsGauge::OnClick)
//       .Build();
// Getters are const member functions, setters take the value; a component class
// constructible from its owner and a collection item class constructible from its
// collection get a factory, so that stored descriptions can create them.
template <class T, class Base>
class TClassBuilder {
 public:
  explicit TClassBuilder(std::string name) : info_(std::move(name), ParentInfo()) {
    if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                  std::is_constructible_v<T, TComponent*>)
      info_.createComponent_ = [](TComponent* owner) -> TComponent* { return new T(owner); };
    if constexpr (std::is_base_of_v<TCollectionItem, T> && !std::is_abstract_v<T> &&
                  std::is_constructible_v<T, TCollection*>)
      info_.createItem_ = [](TCollection& c) -> TCollectionItem* { return new T(&c); };
  }

  template <class G, class S>
  TClassBuilder& Int(std::string name, G getter, S setter, TOrdDefault def) {
    using V = detail::SetterArg<S>;
    static_assert(std::is_integral_v<V> && !std::is_same_v<V, bool>);
    return Ordinal(std::move(name), TPropKind::Integer, nullptr, getter, setter, def,
                   [](std::int64_t v) { return detail::CheckedOrdinal<V>(v); });
  }

  template <class G, class S>
  TClassBuilder& Bool(std::string name, G getter, S setter, TOrdDefault def) {
    static_assert(std::is_same_v<detail::SetterArg<S>, bool>);
    return Ordinal(std::move(name), TPropKind::Boolean, nullptr, getter, setter, def,
                   [](std::int64_t v) { return v != 0; });
  }

  // One byte, stored as a quoted character ('*', or #0 for none).
  template <class G, class S>
  TClassBuilder& Char(std::string name, G getter, S setter, TOrdDefault def) {
    static_assert(std::is_same_v<detail::SetterArg<S>, std::uint8_t>);
    return Ordinal(std::move(name), TPropKind::Char, nullptr, getter, setter, def,
                   [](std::int64_t v) { return detail::CheckedOrdinal<std::uint8_t>(v); });
  }

  template <class G, class S>
  TClassBuilder& Color(std::string name, G getter, S setter, TOrdDefault def) {
    static_assert(std::is_same_v<detail::SetterArg<S>, platform::TColor>);
    return Ordinal(std::move(name), TPropKind::Color, nullptr, getter, setter, def,
                   [](std::int64_t v) { return detail::CheckedOrdinal<platform::TColor>(v); });
  }

  template <class G, class S>
  TClassBuilder& Enum(std::string name, const TEnumType& type, G getter, S setter,
                      TOrdDefault def) {
    using E = detail::SetterArg<S>;
    static_assert(std::is_enum_v<E>);
    const auto count = static_cast<std::int64_t>(type.Names.size());
    return Ordinal(std::move(name), TPropKind::Enumeration, &type, getter, setter, def,
                   [count](std::int64_t v) {
                     if (v < 0 || v >= count) detail::ThrowOutOfRange(v);
                     return static_cast<E>(v);
                   });
  }

  template <class G, class S>
  TClassBuilder& Set(std::string name, const TEnumType& elements, G getter, S setter,
                     TOrdDefault def) {
    using V = detail::SetterArg<S>;
    assert(elements.Names.size() <= 32);
    const std::int64_t mask = (std::int64_t{1} << elements.Names.size()) - 1;
    return Ordinal(std::move(name), TPropKind::Set, &elements, getter, setter, def,
                   [mask](std::int64_t v) {
                     if ((v & ~mask) != 0) detail::ThrowOutOfRange(v);
                     return V::FromBits(static_cast<std::uint32_t>(v));
                   });
  }

  // Strings have no declared default: they are stored unless empty.
  template <class G, class S>
  TClassBuilder& String(std::string name, G getter, S setter) {
    return Valued<std::string>(std::move(name), TPropKind::String, getter, setter);
  }

  // Binary data (a picture's stream form); stored unless empty.
  template <class G, class S>
  TClassBuilder& Binary(std::string name, G getter, S setter) {
    return Valued<TBytes>(std::move(name), TPropKind::Binary, getter, setter);
  }

  // A list of strings; stored unless empty.
  template <class G, class S>
  TClassBuilder& Strings(std::string name, G getter, S setter) {
    return Valued<std::vector<std::string>>(std::move(name), TPropKind::Strings, getter, setter);
  }

  // A reference to a component that this object does not own; stored by name, resolved
  // when the whole description has been read.
  template <class G, class S>
  TClassBuilder& Component(std::string name, G getter, S setter) {
    using P = std::remove_pointer_t<detail::SetterArg<S>>;
    static_assert(std::is_base_of_v<TComponent, P>);
    TPropInfo p = NewProperty(std::move(name), TPropKind::Component);
    p.Get = [getter](const TPersistent& o) -> TPropValue {
      return static_cast<TComponent*>(std::invoke(getter, Self(o)));
    };
    p.Set = [setter](TPersistent& o, const TPropValue& v) {
      TComponent* component = std::get<TComponent*>(v);
      P* target = dynamic_cast<P*>(component);
      if (component && !target)
        throw EConvertError(
            Format(SInvalidReference, {component->Name(), P::StaticClassInfo().Name()}));
      std::invoke(setter, Self(o), target);
    };
    return Add(std::move(p));
  }

  // An event: a std::function data member, bound by the reader to a published method of
  // the same signature.
  template <class C, class Signature>
  TClassBuilder& Event(std::string name, std::function<Signature> C::*member) {
    TPropInfo p = NewProperty(std::move(name), TPropKind::Event);
    p.EventType = typeid(Signature);
    p.Get = [member](const TPersistent& o) -> TPropValue {
      const auto& handler = Self(o).*member;
      return handler ? std::any(handler) : std::any();
    };
    p.Set = [member](TPersistent& o, const TPropValue& v) {
      const auto& handler = std::get<std::any>(v);
      Self(o).*member =
          handler.has_value() ? std::any_cast<std::function<Signature>>(handler) : nullptr;
    };
    return Add(std::move(p));
  }

  // An owned persistent object (or collection), whose own properties are stored nested:
  // "sStyle.Painting.Color = clLime".
  template <class G>
  TClassBuilder& Object(std::string name, G getter) {
    using P = std::remove_pointer_t<std::invoke_result_t<G, const T&>>;
    static_assert(std::is_base_of_v<TPersistent, P>);
    TPropInfo p =
        NewProperty(std::move(name),
                    std::is_base_of_v<TCollection, P> ? TPropKind::Collection : TPropKind::Object);
    p.Get = [getter](const TPersistent& o) -> TPropValue {
      return static_cast<TPersistent*>(std::invoke(getter, Self(o)));
    };
    return Add(std::move(p));
  }

  // A method that stored event handler names can bind to.
  template <class M>
  TClassBuilder& Method(std::string name, M method) {
    using C = typename detail::TMethodTraits<M>::Class;
    using Signature = typename detail::TMethodTraits<M>::Signature;
    using Binding = detail::TMethodBinding<C, Signature>;
    TMethodInfo m;
    m.Name = std::move(name);
    m.Type = typeid(Signature);
    m.Bind = [method](TObject& instance) {
      return std::any(std::function<Signature>(Binding{&static_cast<C&>(instance), method}));
    };
    m.IsBoundTo = [method](const std::any& handler, const TObject& instance) {
      const auto* function = std::any_cast<std::function<Signature>>(&handler);
      const Binding* binding = function ? function->template target<Binding>() : nullptr;
      return binding && binding->Method == method &&
             binding->Instance == dynamic_cast<const C*>(&instance);
    };
    info_.methods_.push_back(std::move(m));
    return *this;
  }

  // A field that holds the owned component of the same name (a form's "EdM").
  template <class C, class P>
  TClassBuilder& Field(std::string name, P* C::*member) {
    static_assert(std::is_base_of_v<TComponent, P>);
    TFieldInfo f;
    f.Name = std::move(name);
    f.Class = &P::StaticClassInfo();
    f.Get = [member](const TObject& o) -> TComponent* { return static_cast<const C&>(o).*member; };
    f.Set = [member](TObject& o, TComponent* c) {
      static_cast<C&>(o).*member = static_cast<P*>(c);
    };
    info_.fields_.push_back(std::move(f));
    return *this;
  }

  TClassInfo Build() { return std::move(info_); }

 private:
  static const TClassInfo* ParentInfo() {
    if constexpr (std::is_void_v<Base>) {
      return nullptr;
    } else {
      static_assert(std::is_base_of_v<Base, T>);
      return &Base::StaticClassInfo();
    }
  }

  static TPropInfo NewProperty(std::string name, TPropKind kind) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = kind;
    return p;
  }

  static T& Self(TPersistent& o) { return static_cast<T&>(o); }
  static const T& Self(const TPersistent& o) { return static_cast<const T&>(o); }

  template <class G, class S, class FromOrdinal>
  TClassBuilder& Ordinal(std::string name, TPropKind kind, const TEnumType* type, G getter,
                         S setter, TOrdDefault def, FromOrdinal from) {
    TPropInfo p = NewProperty(std::move(name), kind);
    p.Type = type;
    p.Default = def.Value();
    p.Get = [getter](const TPersistent& o) -> TPropValue {
      return detail::ToOrdinal(std::invoke(getter, Self(o)));
    };
    p.Set = [setter, from](TPersistent& o, const TPropValue& v) {
      std::invoke(setter, Self(o), from(std::get<std::int64_t>(v)));
    };
    return Add(std::move(p));
  }

  template <class V, class G, class S>
  TClassBuilder& Valued(std::string name, TPropKind kind, G getter, S setter) {
    TPropInfo p = NewProperty(std::move(name), kind);
    p.Get = [getter](const TPersistent& o) -> TPropValue {
      return V(std::invoke(getter, Self(o)));
    };
    p.Set = [setter](TPersistent& o, const TPropValue& v) {
      std::invoke(setter, Self(o), std::get<V>(v));
    };
    return Add(std::move(p));
  }

  // A property published again by this class takes the place of the inherited one.
  TClassBuilder& Add(TPropInfo property) {
    for (TPropInfo& existing : info_.properties_) {
      if (SameText(existing.Name, property.Name)) {
        existing = std::move(property);
        return *this;
      }
    }
    info_.properties_.push_back(std::move(property));
    return *this;
  }

  TClassInfo info_;
};

}  // namespace framework
