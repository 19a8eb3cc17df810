#include "framework/description/DescriptionWriter.h"

#include <algorithm>
#include <optional>

#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/graphics/ColorIdent.h"
#include "framework/runtime/Format.h"

namespace framework {

namespace {

// Printable text goes in quotes; control characters become "#13" codes.
std::string QuoteString(std::string_view text) {
  if (text.empty()) return "''";
  std::string out;
  bool quoted = false;
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 32 || code == 127) {
      if (quoted) out += '\'';
      quoted = false;
      out += '#' + std::to_string(code);
      continue;
    }
    if (!quoted) out += '\'';
    quoted = true;
    out += c;
    if (c == '\'') out += '\'';
  }
  if (quoted) out += '\'';
  return out;
}

std::string OrdinalText(const TPropInfo& property, std::int64_t value) {
  switch (property.Kind) {
    case TPropKind::Boolean:
      return value ? "True" : "False";
    case TPropKind::Char:
      return QuoteString(std::string(1, static_cast<char>(value)));
    case TPropKind::Color: {
      const auto color = static_cast<platform::TColor>(value);
      if (const auto name = ColorToIdent(color)) return std::string(*name);
      return std::to_string(static_cast<std::int32_t>(color));
    }
    case TPropKind::Enumeration:
      if (value >= 0 && static_cast<std::size_t>(value) < property.Type->Names.size())
        return std::string(property.Type->Names[static_cast<std::size_t>(value)]);
      break;
    case TPropKind::Set: {
      std::string text;
      for (std::size_t i = 0; i < property.Type->Names.size(); ++i) {
        if ((value >> i & 1) == 0) continue;
        if (!text.empty()) text += ", ";
        text += property.Type->Names[i];
      }
      return "[" + text + "]";
    }
    default:
      break;
  }
  return std::to_string(value);
}

class TWriter {
 public:
  TWriter(const TComponent& root, const TResourceStore& store) : root_(root), store_(store) {}

  std::string Write() {
    WriteObject(root_, 0);
    return std::move(out_);
  }

 private:
  void Line(int indent, std::string_view text) {
    out_.append(static_cast<std::size_t>(indent), ' ').append(text) += '\n';
  }

  static std::string PathOf(const TComponent& c) {
    return c.Name().empty() ? c.ClassName() : c.Name();
  }

  // The object a component is written in: its parent component when that is part of the
  // description, else the root.
  const TComponent* EnclosingOf(const TComponent& c) const {
    const TComponent* parent = c.GetParentComponent();
    return parent && (parent == &root_ || parent->Owner() == &root_) ? parent : &root_;
  }

  void WriteObject(const TComponent& component, int indent) {
    written_.push_back(&component);
    Line(indent, "object " + (component.Name().empty() ? "" : component.Name() + ": ") +
                     component.ClassName());
    WriteProperties(component, "", PathOf(component), indent + 2);
    for (int i = 0; i < root_.ComponentCount(); ++i) {
      const TComponent* child = root_.Components(i);
      if (EnclosingOf(*child) == &component && std::ranges::find(written_, child) == written_.end())
        WriteObject(*child, indent + 2);
    }
    Line(indent, "end");
  }

  void WriteProperties(const TPersistent& object, const std::string& prefix,
                       const std::string& path, int indent) {
    for (const TPropInfo& property : object.ClassInfo().Properties()) {
      const std::string name = prefix + property.Name;
      const std::string propertyPath = path + "." + property.Name;
      const TPropValue value = property.Get(object);
      switch (property.Kind) {
        case TPropKind::Object:
          if (const TPersistent* sub = std::get<TPersistent*>(value))
            WriteProperties(*sub, name + ".", propertyPath, indent);
          break;
        case TPropKind::Collection:
          WriteCollection(static_cast<const TCollection*>(std::get<TPersistent*>(value)), name,
                          propertyPath, indent);
          break;
        case TPropKind::Strings:
          WriteStrings(std::get<std::vector<std::string>>(value), name, indent);
          break;
        case TPropKind::Binary:
          WriteBinary(std::get<TBytes>(value), name, propertyPath, indent);
          break;
        default:
          if (const auto text = ValueText(property, value)) Line(indent, name + " = " + *text);
      }
    }
  }

  std::optional<std::string> ValueText(const TPropInfo& property, const TPropValue& value) const {
    switch (property.Kind) {
      case TPropKind::String: {
        const auto& text = std::get<std::string>(value);
        if (text.empty()) return std::nullopt;
        return QuoteString(text);
      }
      case TPropKind::Event: {
        const TMethodInfo* method =
            root_.ClassInfo().FindMethodOf(std::get<std::any>(value), root_);
        if (!method) return std::nullopt;
        return method->Name;
      }
      case TPropKind::Component:
        return ReferenceText(std::get<TComponent*>(value));
      default: {
        const std::int64_t ordinal = std::get<std::int64_t>(value);
        if (property.Default == ordinal) return std::nullopt;
        return OrdinalText(property, ordinal);
      }
    }
  }

  // Only what the reader can find again: the root and the components it owns, by name.
  std::optional<std::string> ReferenceText(const TComponent* target) const {
    if (!target || target->Name().empty()) return std::nullopt;
    if (target != &root_ && target->Owner() != &root_) return std::nullopt;
    return target->Name();
  }

  void WriteCollection(const TCollection* collection, const std::string& name,
                       const std::string& path, int indent) {
    if (!collection || collection->Count() == 0) return;
    Line(indent, name + " = <");
    for (int i = 0; i < collection->Count(); ++i) {
      Line(indent + 2, "item");
      WriteProperties(*collection->Items(i), "", Format("%s[%d]", {path, i}), indent + 4);
      Line(indent + 2, i + 1 == collection->Count() ? "end>" : "end");
    }
  }

  void WriteStrings(const std::vector<std::string>& lines, const std::string& name, int indent) {
    if (lines.empty()) return;
    Line(indent, name + " = (");
    for (std::size_t i = 0; i < lines.size(); ++i)
      Line(indent + 2, QuoteString(lines[i]) + (i + 1 == lines.size() ? ")" : ""));
  }

  void WriteBinary(const TBytes& data, const std::string& name, const std::string& path,
                   int indent) {
    if (data.empty()) return;
    if (store_) return Line(indent, name + " = {file " + QuoteString(store_(path, data)) + "}");
    Line(indent, name + " = {");
    constexpr std::size_t BytesPerLine = 32;
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (std::size_t start = 0; start < data.size(); start += BytesPerLine) {
      std::string hex;
      for (std::size_t i = start; i < std::min(data.size(), start + BytesPerLine); ++i)
        hex.append({Hex[data[i] >> 4], Hex[data[i] & 15]});
      Line(indent + 2, hex + (start + BytesPerLine >= data.size() ? "}" : ""));
    }
  }

  const TComponent& root_;
  const TResourceStore& store_;
  std::string out_;
  std::vector<const TComponent*> written_;
};

}  // namespace

std::string WriteDescription(const TComponent& root, const TResourceStore& store) {
  return TWriter(root, store).Write();
}

}  // namespace framework
