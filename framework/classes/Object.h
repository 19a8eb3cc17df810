#pragma once

#include <string>

namespace framework {

class TClassInfo;

// The root of every class that has class information: a name, a parent class and, from
// TPersistent on, published properties.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

  const std::string& ClassName() const;
  bool InheritsFrom(const TClassInfo& info) const;
};

// An object whose published properties can be stored and copied.
class TPersistent : public TObject {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Copies source into this object; a class that cannot raises EConvertError
  // "Cannot assign a %s to a %s". A null source cannot be assigned either.
  virtual void Assign(const TPersistent* source);

  // The object that owns this one (a component's owner, a collection's owner), or null.
  virtual TPersistent* GetOwner() const { return nullptr; }

 protected:
  // The other direction of Assign: a source class that knows how to fill dest.
  virtual void AssignTo(TPersistent& dest) const;
};

}  // namespace framework
