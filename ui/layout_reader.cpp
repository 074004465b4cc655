#include "ui/layout_reader.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/handler_table.h"
#include "ui/layout_error.h"
#include "ui/layout_tokenizer.h"
#include "ui/property_path.h"
#include "ui/property_table.h"
#include "ui/stream.h"
#include "ui/text.h"

namespace ui {

namespace {

std::string Quoted(std::u16string_view text) { return "\"" + Utf16ToUtf8(text) + "\""; }

// A value as written after '='.
struct Value {
    enum class Kind { Identifier, Integer, Float, String, Set, Binary };
    Kind kind = Kind::Identifier;
    int line = 0;
    std::u16string text;  // identifier or string
    int64_t integer = 0;
    double number = 0;
    std::vector<std::u16string> items;
    std::vector<std::byte> bytes;
};

// A component reference or an event, set once the whole layout has been read.
struct Fixup {
    Component* component;
    std::u16string key;
    std::u16string name;
    int line;
};

bool IsWord(const Token& token, std::string_view word) {
    return token.kind == TokenKind::Identifier && SameText(Utf8ToUtf16(token.text), Utf8ToUtf16(word));
}

// xAARRGGBB
bool ParseColor(std::u16string_view text, AlphaColor& color) {
    if (text.size() < 2 || text.size() > 9 || (text[0] != u'x' && text[0] != u'X')) return false;
    AlphaColor value = 0;
    for (char16_t c : text.substr(1)) {
        int digit;
        if (c >= u'0' && c <= u'9') {
            digit = c - u'0';
        } else if (c >= u'a' && c <= u'f') {
            digit = c - u'a' + 10;
        } else if (c >= u'A' && c <= u'F') {
            digit = c - u'A' + 10;
        } else {
            return false;
        }
        value = value * 16 + static_cast<AlphaColor>(digit);
    }
    color = value;
    return true;
}

}  // namespace

// Reads one layout; a friend of Component for the reading and loading states.
class LayoutReader {
public:
    LayoutReader(std::string_view text, Component& root, const ClassRegistry& registry)
        : tokenizer_(text), root_(root), registry_(registry) {}

    void Read();

private:
    [[noreturn]] static void Fail(int line, const std::string& problem) { throw LayoutError(line, problem); }

    void Advance() { token_ = tokenizer_.Next(); }
    std::u16string ExpectIdentifier(const char* what);
    void ExpectSymbol(char symbol);
    void ReadBody(Component& instance);
    void ReadObject(Component& parent);
    Value ReadValue();
    void Apply(Component& component, const std::u16string& key, const Value& value);
    PropertyTarget Resolve(Component& component, const std::u16string& key, int line);
    void ResolveFixups();
    bool IsAlive(const Component* component) const;
    void Abandon();
    void Finish();

    LayoutTokenizer tokenizer_;
    Component& root_;
    const ClassRegistry& registry_;
    Token token_;
    std::vector<Component*> created_;
    std::vector<Fixup> references_;
    std::vector<Fixup> events_;
};

std::u16string LayoutReader::ExpectIdentifier(const char* what) {
    if (token_.kind != TokenKind::Identifier) Fail(token_.line, std::string("Expected ") + what);
    std::u16string text = Utf8ToUtf16(token_.text);
    Advance();
    return text;
}

void LayoutReader::ExpectSymbol(char symbol) {
    if (!token_.IsSymbol(symbol)) Fail(token_.line, std::string("Expected '") + symbol + "'");
    Advance();
}

void LayoutReader::Read() {
    root_.SetReadingState(true, true);
    try {
        Advance();
        if (!IsWord(token_, "object")) Fail(token_.line, "Expected \"object\"");
        const int line = token_.line;
        Advance();
        const std::u16string name = ExpectIdentifier("the name of the root object");
        ExpectSymbol(':');
        const std::u16string className = ExpectIdentifier("a class name");
        if (!SameText(className, root_.ClassName())) {
            Fail(line,
                 "The layout describes a " + Utf16ToUtf8(className) + ", not a " + Utf16ToUtf8(root_.ClassName()));
        }
        try {
            root_.SetName(name);
        } catch (const std::exception& e) {
            Fail(line, e.what());
        }
        ReadBody(root_);
        if (token_.kind != TokenKind::End) Fail(token_.line, "Text after the end of the layout");
        ResolveFixups();
    } catch (...) {
        Abandon();
        throw;
    }
    Finish();
}

void LayoutReader::ReadBody(Component& instance) {
    while (true) {
        if (token_.kind == TokenKind::End) Fail(token_.line, "Missing \"end\"");
        if (IsWord(token_, "end")) {
            Advance();
            return;
        }
        if (IsWord(token_, "object")) {
            ReadObject(instance);
            continue;
        }
        if (IsWord(token_, "inherited") || IsWord(token_, "inline")) {
            Fail(token_.line, "\"" + token_.text + "\" objects are not supported");
        }
        if (token_.kind != TokenKind::Identifier) Fail(token_.line, "Expected a property name, \"object\" or \"end\"");
        const int line = token_.line;
        std::u16string key = ExpectIdentifier("a property name");
        while (token_.IsSymbol('.')) {
            Advance();
            key += u'.';
            key += ExpectIdentifier("a property name after '.'");
        }
        if (!token_.IsSymbol('=')) Fail(token_.line, "Expected '=' after " + Quoted(key));
        Advance();
        Value value = ReadValue();
        value.line = line;
        Apply(instance, key, value);
    }
}

void LayoutReader::ReadObject(Component& parent) {
    const int line = token_.line;
    Advance();
    const std::u16string name = ExpectIdentifier("an object name");
    ExpectSymbol(':');
    const std::u16string className = ExpectIdentifier("a class name");
    std::unique_ptr<Component> created = registry_.Create(className);
    if (!created) Fail(line, "Unknown class " + Quoted(className));
    created->SetReadingState(true, true);
    Component* component = root_.InsertComponent(std::move(created));
    created_.push_back(component);
    try {
        component->SetName(name);
        component->SetParent(&parent);
    } catch (const std::exception& e) {
        Fail(line, e.what());
    }
    ReadBody(*component);
}

Value LayoutReader::ReadValue() {
    Value value;
    value.line = token_.line;
    switch (token_.kind) {
        case TokenKind::Identifier:
            value.kind = Value::Kind::Identifier;
            value.text = Utf8ToUtf16(token_.text);
            Advance();
            while (token_.IsSymbol('.')) {
                Advance();
                value.text += u'.';
                value.text += ExpectIdentifier("a name after '.'");
            }
            return value;
        case TokenKind::Integer:
            value.kind = Value::Kind::Integer;
            value.integer = token_.integer;
            value.number = token_.number;
            Advance();
            return value;
        case TokenKind::Float:
            value.kind = Value::Kind::Float;
            value.number = token_.number;
            Advance();
            return value;
        case TokenKind::String:
            value.kind = Value::Kind::String;
            value.text = token_.string;
            Advance();
            // 'first part' + (line break) 'second part'
            while (token_.IsSymbol('+')) {
                Advance();
                if (token_.kind != TokenKind::String) Fail(token_.line, "Expected a text after '+'");
                value.text += token_.string;
                Advance();
            }
            return value;
        case TokenKind::Symbol:
            break;
        case TokenKind::End:
            Fail(token_.line, "Expected a value");
    }
    if (token_.IsSymbol('-') || token_.IsSymbol('+')) {
        const bool negative = token_.IsSymbol('-');
        Advance();
        if (token_.kind != TokenKind::Integer && token_.kind != TokenKind::Float) {
            Fail(token_.line, "Expected a number after the sign");
        }
        value.kind = token_.kind == TokenKind::Integer ? Value::Kind::Integer : Value::Kind::Float;
        value.integer = negative ? -token_.integer : token_.integer;
        value.number = negative ? -token_.number : token_.number;
        Advance();
        return value;
    }
    if (token_.IsSymbol('[')) {
        value.kind = Value::Kind::Set;
        Advance();
        if (token_.IsSymbol(']')) {
            Advance();
            return value;
        }
        while (true) {
            value.items.push_back(ExpectIdentifier("a set member"));
            if (token_.IsSymbol(']')) break;
            ExpectSymbol(',');
        }
        Advance();
        return value;
    }
    if (token_.IsSymbol('{')) {
        value.kind = Value::Kind::Binary;
        value.bytes = tokenizer_.ReadBinary();
        Advance();
        return value;
    }
    if (token_.IsSymbol('(')) Fail(token_.line, "Lists of texts are not supported");
    if (token_.IsSymbol('<')) Fail(token_.line, "Collections are not supported");
    Fail(token_.line, "Expected a value");
}

PropertyTarget LayoutReader::Resolve(Component& component, const std::u16string& key, int line) {
    try {
        return ResolvePropertyPath(component, key, PathResolution::Strict);
    } catch (const PropertyError& e) {
        Fail(line, e.what());
    }
}

void LayoutReader::Apply(Component& component, const std::u16string& key, const Value& value) {
    const PropertyTarget target = Resolve(component, key, value.line);
    const Property& property = *target.property;
    Persistent& instance = *target.instance;
    auto expected = [&](const char* what) {
        Fail(value.line, std::string("Expected ") + what + " for " + Quoted(key));
    };
    using Kind = Value::Kind;
    try {
        switch (property.Kind()) {
            case PropertyKind::Bool:
                if (value.kind != Kind::Identifier ||
                    (!SameText(value.text, u"True") && !SameText(value.text, u"False"))) {
                    expected("True or False");
                }
                property.SetBool(instance, SameText(value.text, u"True"));
                break;
            case PropertyKind::Integer:
                if (value.kind != Kind::Integer) expected("an integer");
                property.SetInteger(instance, value.integer);
                break;
            case PropertyKind::Single:
            case PropertyKind::Double:
                if (value.kind != Kind::Integer && value.kind != Kind::Float) expected("a number");
                property.SetFloat(instance, value.number);
                break;
            case PropertyKind::Text:
                if (value.kind != Kind::String) expected("a text in single quotes");
                property.SetText(instance, value.text);
                break;
            case PropertyKind::Enumeration:
                if (value.kind != Kind::Identifier) expected("a name");
                property.SetEnumName(instance, value.text);
                break;
            case PropertyKind::Set:
                if (value.kind != Kind::Set) expected("a set in brackets");
                property.SetSetNames(instance, value.items);
                break;
            case PropertyKind::Color: {
                AlphaColor color = 0;
                if (value.kind == Kind::Identifier && ParseColor(value.text, color)) {
                    property.SetColor(instance, color);
                } else if (value.kind == Kind::Integer && value.integer >= 0 && value.integer <= 0xFFFFFFFFLL) {
                    property.SetColor(instance, static_cast<AlphaColor>(value.integer));
                } else {
                    expected("a colour (xAARRGGBB)");
                }
                break;
            }
            case PropertyKind::Object:
                Fail(value.line,
                     Quoted(key) + " is an object; set its properties (" + Utf16ToUtf8(key) + ".Name = ...)");
            case PropertyKind::Component:
                if (value.kind != Kind::Identifier) expected("a component name");
                if (SameText(value.text, u"nil")) {
                    property.SetComponent(instance, nullptr);
                } else {
                    references_.push_back({&component, key, value.text, value.line});
                }
                break;
            case PropertyKind::Binary: {
                if (value.kind != Kind::Binary) expected("binary data in braces");
                MemoryStream stream(value.bytes);
                property.LoadBinary(instance, stream);
                break;
            }
            case PropertyKind::Event:
                if (value.kind != Kind::Identifier) expected("a handler name");
                events_.push_back({&component, key, value.text, value.line});
                break;
        }
    } catch (const LayoutError&) {
        throw;
    } catch (const std::exception& e) {
        Fail(value.line, "Cannot set " + Quoted(key) + ": " + e.what());
    }
}

bool LayoutReader::IsAlive(const Component* component) const {
    if (component == &root_) return true;
    for (int i = 0; i < root_.ComponentCount(); ++i) {
        if (root_.Components(i) == component) return true;
    }
    return false;
}

void LayoutReader::ResolveFixups() {
    for (const Fixup& fixup : references_) {
        if (!IsAlive(fixup.component)) continue;
        const PropertyTarget target = Resolve(*fixup.component, fixup.key, fixup.line);
        Component* found = SameText(fixup.name, root_.Name()) ? &root_ : root_.FindComponent(fixup.name);
        if (found == nullptr) Fail(fixup.line, "Unknown component " + Quoted(fixup.name));
        try {
            target.property->SetComponent(*target.instance, found);
        } catch (const std::exception& e) {
            Fail(fixup.line, "Cannot set " + Quoted(fixup.key) + ": " + e.what());
        }
    }
    const HandlerTable& handlers = root_.PublishedHandlers();
    for (const Fixup& fixup : events_) {
        if (!IsAlive(fixup.component)) continue;
        const PropertyTarget target = Resolve(*fixup.component, fixup.key, fixup.line);
        const EventHandlerEntry* handler = handlers.Find(fixup.name);
        if (handler == nullptr) {
            Fail(fixup.line, "Unknown handler " + Quoted(fixup.name) + " (" + Utf16ToUtf8(root_.ClassName()) +
                                 " publishes no such method)");
        }
        try {
            target.property->BindHandler(*target.instance, *handler, root_);
        } catch (const std::exception& e) {
            Fail(fixup.line, "Cannot set " + Quoted(fixup.key) + ": " + e.what());
        }
    }
}

void LayoutReader::Abandon() {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
        if (IsAlive(*it)) root_.FreeComponent(*it);
    }
    created_.clear();
    root_.SetReadingState(false, false);
}

void LayoutReader::Finish() {
    std::vector<Component*> loaded;
    loaded.push_back(&root_);
    loaded.insert(loaded.end(), created_.begin(), created_.end());
    for (Component* component : loaded) component->reading_ = false;
    size_t next = 0;
    try {
        for (; next < loaded.size(); ++next) {
            if (IsAlive(loaded[next])) loaded[next]->Loaded();
        }
    } catch (...) {
        // The failed one and the rest still leave the loading state before the failure goes on.
        for (; next < loaded.size(); ++next) {
            if (IsAlive(loaded[next])) loaded[next]->loading_ = false;
        }
        throw;
    }
}

void ReadLayout(std::string_view text, Component& root, const ClassRegistry& registry) {
    LayoutReader(text, root, registry).Read();
}

}  // namespace ui
