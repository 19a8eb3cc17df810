#pragma once

#include "framework/classes/Object.h"

namespace sStyleSimply {

// Copies every published property of source into dest, nested objects through their Assign;
// both must be of the same class.
void AssignPublished(framework::TPersistent& dest, const framework::TPersistent& source);

// A persistent object of a style tree: assigning one copies its published properties.
class TsStylePart : public framework::TPersistent {
 public:
  void Assign(const framework::TPersistent* source) override;
};

}  // namespace sStyleSimply
