#include "framework/description/DescriptionReader.h"

#include <algorithm>
#include <limits>

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/description/Lexer.h"
#include "framework/graphics/ColorIdent.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Format.h"
#include "framework/runtime/Text.h"

namespace framework {

namespace {

// Deeper nesting of objects and collections is refused rather than recursed into.
constexpr int MaxDepth = 64;

std::string PropertyMessage(int line, const std::string& path, std::string_view detail) {
  return Format("Line %d: error reading %s: %s", {line, path, detail});
}

[[noreturn]] void PropertyError(int line, const std::string& path, std::string_view detail) {
  throw EReadError(PropertyMessage(line, path, detail));
}

// Runs a step that calls into the object being read (constructor, setter, name) and puts the
// place in front of whatever it raises.
template <class F>
void AtPlace(int line, const std::string& path, F&& step) {
  try {
    step();
  } catch (Exception& e) {
    e.SetMessage(PropertyMessage(line, path, e.Message()));
    throw;
  } catch (const std::exception& e) {
    PropertyError(line, path, e.what());
  }
}

}  // namespace

class TDescriptionReader {
 public:
  TDescriptionReader(std::string_view text, TComponent& root, const TClassRegistry& classes,
                     const TResourceResolver& resources)
      : lexer_(text), root_(root), classes_(classes), resources_(resources) {}

  void Read() {
    try {
      ReadRoot();
    } catch (...) {
      Abandon();
      throw;
    }
  }

 private:
  // A component reference waiting for the whole description; Items are the collection
  // items that hold its target, so that re-reading a collection can drop it.
  struct Fixup {
    int Line;
    std::string Path;
    TPersistent* Target;
    const TPropInfo* Property;
    std::string Name;
    std::vector<const TCollectionItem*> Items;
  };

  const TToken& Tok() const { return lexer_.Current(); }

  bool AtKeyword(std::string_view word) const {
    return Tok().Kind == TTokenKind::Identifier && SameText(Tok().Text, word);
  }
  bool AtSymbol(char symbol) const {
    return Tok().Kind == TTokenKind::Symbol && Tok().Symbol == symbol;
  }

  [[noreturn]] void Expected(std::string_view what) const {
    DescriptionError(Tok().Line, Format("%s expected but %s found", {what, DescribeToken(Tok())}));
  }
  [[noreturn]] void ValueExpected(const std::string& path, std::string_view what) const {
    PropertyError(Tok().Line, path,
                  Format("%s expected but %s found", {what, DescribeToken(Tok())}));
  }

  void ExpectKeyword(std::string_view word) {
    if (!AtKeyword(word)) Expected(Format("'%s'", {word}));
    lexer_.Next();
  }

  std::string ExpectIdentifier(std::string_view what) {
    if (Tok().Kind != TTokenKind::Identifier) Expected(what);
    std::string text = Tok().Text;
    lexer_.Next();
    return text;
  }

  struct Header {
    std::string Name;
    std::string ClassName;
    // How messages name the object: by its name, or by its class when it has none.
    const std::string& Path() const { return Name.empty() ? ClassName : Name; }
  };

  // "object Name: TClass", or "object TClass" for a component without a name.
  Header ReadHeader() {
    ExpectKeyword("object");
    std::string first = ExpectIdentifier("object name");
    if (!AtSymbol(':')) return {"", first};
    lexer_.Next();
    return {first, ExpectIdentifier("class name")};
  }

  void ReadRoot() {
    const int line = Tok().Line;
    const Header header = ReadHeader();
    if (!SameText(header.ClassName, root_.ClassName()))
      DescriptionError(line,
                       Format("%s does not describe a %s", {header.ClassName, root_.ClassName()}));
    StartLoading(root_);
    AtPlace(line, header.Path(), [&] {
      if (!header.Name.empty()) root_.SetName(header.Name);
    });
    ReadBody(root_, header.Path(), 1);
    if (Tok().Kind != TTokenKind::End) Expected("end of description");
    ResolveFixups();
    for (TComponent* c : loaded_) c->state_.Exclude(csReading);
    for (TComponent* c : loaded_) c->Loaded();
    for (TComponent* c : loaded_) c->state_.Exclude(csLoading);
  }

  void StartLoading(TComponent& component) {
    component.state_.Include(csLoading).Include(csReading);
    loaded_.push_back(&component);
  }

  // Properties and nested objects up to the object's "end".
  void ReadBody(TComponent& component, const std::string& path, int depth) {
    for (;;) {
      if (AtKeyword("end")) return lexer_.Next();
      if (AtKeyword("object")) {
        ReadChild(component, depth);
      } else if (Tok().Kind == TTokenKind::Identifier) {
        ReadProperty(component, path, depth);
      } else {
        Expected("property, object or 'end'");
      }
    }
  }

  void ReadChild(TComponent& parent, int depth) {
    const int line = Tok().Line;
    if (depth >= MaxDepth) DescriptionError(line, "objects nested too deeply");
    const Header header = ReadHeader();
    const TClassInfo* info = classes_.Find(header.ClassName);
    if (!info) DescriptionError(line, Format("class %s not found", {header.ClassName}));
    if (!info->CanCreateComponent())
      DescriptionError(line, Format("%s is not a component class", {header.ClassName}));
    TComponent* child = nullptr;
    AtPlace(line, header.Path(), [&] { child = info->CreateComponent(&root_); });
    StartLoading(*child);
    AtPlace(line, header.Path(), [&] {
      child->SetName(header.Name);
      child->SetParentComponent(&parent);
    });
    ReadBody(*child, header.Path(), depth + 1);
  }

  // "Name = value", where Name may lead through nested objects ("sStyle.Painting.Color").
  void ReadProperty(TPersistent& object, const std::string& objectPath, int depth) {
    const int line = Tok().Line;
    const std::string name = Tok().Text;
    const std::string path = objectPath + "." + name;
    lexer_.Next();
    TPersistent* target = &object;
    const TPropInfo* property = nullptr;
    for (std::string_view rest = name;;) {
      const std::size_t dot = rest.find('.');
      const std::string_view part = rest.substr(0, dot);
      property = target->ClassInfo().FindProperty(part);
      if (!property)
        PropertyError(line, path, Format("unknown property %s of %s", {part, target->ClassName()}));
      if (dot == std::string_view::npos) break;
      if (property->Kind != TPropKind::Object)
        PropertyError(line, path, Format("%s has no properties of its own", {part}));
      target = std::get<TPersistent*>(property->Get(*target));
      if (!target) PropertyError(line, path, Format("%s is not assigned", {part}));
      rest.remove_prefix(dot + 1);
    }
    if (!AtSymbol('=')) ValueExpected(path, "'='");
    lexer_.Next();

    switch (property->Kind) {
      case TPropKind::Object:
        PropertyError(line, path, "an object takes no value; give its properties one by one");
      case TPropKind::Collection: {
        auto* collection =
            static_cast<TCollection*>(std::get<TPersistent*>(property->Get(*target)));
        if (!collection) PropertyError(line, path, "the collection is not assigned");
        return ReadCollection(*collection, path, depth);
      }
      case TPropKind::Component:
        fixups_.push_back({line, path, target, property, ReadName(path, "component name"), items_});
        return;
      default: {
        const TPropValue value = ReadValue(*property, path);
        AtPlace(line, path, [&] { property->Set(*target, value); });
      }
    }
  }

  std::string ReadName(const std::string& path, std::string_view what) {
    if (Tok().Kind != TTokenKind::Identifier) ValueExpected(path, what);
    std::string text = Tok().Text;
    lexer_.Next();
    return text;
  }

  TPropValue ReadValue(const TPropInfo& property, const std::string& path) {
    switch (property.Kind) {
      case TPropKind::Integer:
        return ReadInteger(path);
      case TPropKind::Boolean:
        return ReadBoolean(path);
      case TPropKind::Char:
        return ReadChar(path);
      case TPropKind::Color:
        return ReadColor(path);
      case TPropKind::Enumeration:
        return ReadEnumeration(*property.Type, path);
      case TPropKind::Set:
        return ReadSet(*property.Type, path);
      case TPropKind::String:
        return ReadString(path);
      case TPropKind::Binary:
        return ReadBinary(path);
      case TPropKind::Strings:
        return ReadStrings(path);
      case TPropKind::Event:
        return ReadHandler(property, path);
      default:
        break;
    }
    return {};
  }

  std::int64_t ReadInteger(const std::string& path) {
    if (Tok().Kind != TTokenKind::Integer) ValueExpected(path, "integer");
    const std::int64_t value = Tok().Integer;
    lexer_.Next();
    return value;
  }

  std::int64_t ReadBoolean(const std::string& path) {
    const bool isTrue = AtKeyword("True");
    if (!isTrue && !AtKeyword("False")) ValueExpected(path, "True or False");
    lexer_.Next();
    return isTrue ? 1 : 0;
  }

  // A string of exactly one byte: a wider character would be cut to a meaningless part.
  std::int64_t ReadChar(const std::string& path) {
    const int line = Tok().Line;
    const std::string text = ReadString(path);
    if (text.size() != 1) PropertyError(line, path, "a single character expected");
    return static_cast<unsigned char>(text[0]);
  }

  // A colour name, or a number read as 32 bits (signed or not, as the classic files have it).
  std::int64_t ReadColor(const std::string& path) {
    const int line = Tok().Line;
    if (Tok().Kind == TTokenKind::Integer) {
      const std::int64_t value = ReadInteger(path);
      if (value < std::numeric_limits<std::int32_t>::min() ||
          value > std::numeric_limits<std::uint32_t>::max())
        PropertyError(line, path, "colour out of range");
      return static_cast<std::uint32_t>(value);
    }
    const std::string name = ReadName(path, "colour");
    const std::optional<platform::TColor> color = IdentToColor(name);
    if (!color) PropertyError(line, path, Format("unknown colour %s", {name}));
    return *color;
  }

  std::int64_t ReadEnumeration(const TEnumType& type, const std::string& path) {
    const int line = Tok().Line;
    const std::string name = ReadName(path, type.Name);
    const int index = type.IndexOf(name);
    if (index < 0) PropertyError(line, path, Format("%s is not a value of %s", {name, type.Name}));
    return index;
  }

  std::int64_t ReadSet(const TEnumType& elements, const std::string& path) {
    if (!AtSymbol('[')) ValueExpected(path, "'['");
    lexer_.Next();
    std::int64_t bits = 0;
    for (bool first = true; !AtSymbol(']'); first = false) {
      if (!first) {
        if (!AtSymbol(',')) ValueExpected(path, "',' or ']'");
        lexer_.Next();
      }
      bits |= std::int64_t{1} << ReadEnumeration(elements, path);
    }
    lexer_.Next();
    return bits;
  }

  // Strings joined by '+' (long texts are split over lines that way).
  std::string ReadString(const std::string& path) {
    if (Tok().Kind != TTokenKind::String) ValueExpected(path, "string");
    std::string text = Tok().Text;
    lexer_.Next();
    while (AtSymbol('+')) {
      lexer_.Next();
      if (Tok().Kind != TTokenKind::String) ValueExpected(path, "string");
      text += Tok().Text;
      lexer_.Next();
    }
    return text;
  }

  TBytes ReadBinary(const std::string& path) {
    const int line = Tok().Line;
    if (Tok().Kind != TTokenKind::Binary) ValueExpected(path, "binary data");
    TToken token = Tok();
    lexer_.Next();
    if (!token.FileReference) return std::move(token.Bytes);
    std::optional<TBytes> data;
    if (resources_) AtPlace(line, path, [&] { data = resources_(token.Text); });
    if (!data) PropertyError(line, path, Format("resource '%s' not found", {token.Text}));
    return std::move(*data);
  }

  std::vector<std::string> ReadStrings(const std::string& path) {
    if (!AtSymbol('(')) ValueExpected(path, "'('");
    lexer_.Next();
    std::vector<std::string> lines;
    while (!AtSymbol(')')) lines.push_back(ReadString(path));
    lexer_.Next();
    return lines;
  }

  std::any ReadHandler(const TPropInfo& property, const std::string& path) {
    const int line = Tok().Line;
    const std::string name = ReadName(path, "handler name");
    const TMethodInfo* method = root_.ClassInfo().FindMethod(name);
    if (!method)
      PropertyError(line, path, Format("handler %s not found in %s", {name, root_.ClassName()}));
    if (method->Type != property.EventType)
      PropertyError(line, path, Format("handler %s does not fit %s", {name, property.Name}));
    return method->Bind(root_);
  }

  // "< item ... end item ... end >": the collection is emptied, then filled item by item.
  void ReadCollection(TCollection& collection, const std::string& path, int depth) {
    const int line = Tok().Line;
    if (depth >= MaxDepth) PropertyError(line, path, "collections nested too deeply");
    if (!AtSymbol('<')) ValueExpected(path, "'<'");
    lexer_.Next();
    if (std::ranges::any_of(
            items_, [&](const TCollectionItem* i) { return i->Collection() == &collection; }))
      PropertyError(line, path, "a collection cannot be read inside its own item");
    DropFixupsInto(collection);
    collection.Clear();
    while (!AtSymbol('>')) {
      if (!AtKeyword("item")) ValueExpected(path, "'item' or '>'");
      lexer_.Next();
      TCollectionItem* item = collection.Add();
      const std::string itemPath = Format("%s[%d]", {path, item->Index()});
      items_.push_back(item);
      while (!AtKeyword("end")) {
        if (Tok().Kind != TTokenKind::Identifier) ValueExpected(itemPath, "property or 'end'");
        ReadProperty(*item, itemPath, depth + 1);
      }
      lexer_.Next();
      items_.pop_back();
    }
    lexer_.Next();
  }

  void DropFixupsInto(const TCollection& collection) {
    std::erase_if(fixups_, [&](const Fixup& f) {
      return std::ranges::any_of(
          f.Items, [&](const TCollectionItem* i) { return i->Collection() == &collection; });
    });
  }

  void ResolveFixups() {
    for (const Fixup& f : fixups_) {
      TComponent* target = root_.FindComponent(f.Name);
      if (!target && !root_.Name().empty() && SameText(f.Name, root_.Name())) target = &root_;
      if (!target) PropertyError(f.Line, f.Path, Format("component %s not found", {f.Name}));
      AtPlace(f.Line, f.Path, [&] { f.Property->Set(*f.Target, target); });
    }
  }

  // After a failure: nothing stays half loaded, and the components read are freed again.
  void Abandon() {
    for (TComponent* c : loaded_) c->state_.Exclude(csReading).Exclude(csLoading);
    for (auto it = loaded_.rbegin(); it != loaded_.rend(); ++it)
      if (*it != &root_) delete *it;
  }

  TDescriptionLexer lexer_;
  TComponent& root_;
  const TClassRegistry& classes_;
  const TResourceResolver& resources_;
  std::vector<TComponent*> loaded_;  // root first, then in creation order
  std::vector<Fixup> fixups_;
  std::vector<const TCollectionItem*> items_;  // the items being read, outermost first
};

void ReadDescription(std::string_view text, TComponent& root, const TClassRegistry& classes,
                     const TResourceResolver& resources) {
  TDescriptionReader(text, root, classes, resources).Read();
}

}  // namespace framework
