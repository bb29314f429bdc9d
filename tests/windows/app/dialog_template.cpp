#include "dialog_template.h"

namespace {

class Reader {
public:
    explicit Reader(const BYTE* data) : m_start(data), m_at(data) {}
    WORD Word() {
        WORD value = 0;
        memcpy(&value, m_at, sizeof(value));
        m_at += sizeof(value);
        return value;
    }
    DWORD Dword() {
        DWORD value = 0;
        memcpy(&value, m_at, sizeof(value));
        m_at += sizeof(value);
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    // A zero-terminated UTF-16 text; the resources hold ASCII only.
    std::string Text() {
        std::string text;
        for (WORD c = Word(); c != 0; c = Word()) text += static_cast<char>(c);
        return text;
    }
    // A class or title field: empty, an ordinal, or a text.
    void NameOrOrdinal(WORD& ordinal, std::string& text) {
        WORD first = Word();
        if (first == 0xFFFF) {
            ordinal = Word();
        } else if (first != 0) {
            m_at -= sizeof(WORD);
            text = Text();
        }
    }
    void AlignToDword() {
        while ((m_at - m_start) % 4 != 0) ++m_at;
    }
    void Skip(size_t bytes) { m_at += bytes; }

private:
    const BYTE* m_start;
    const BYTE* m_at;
};

}  // namespace

DialogTemplate ReadDialogTemplate(int id) {
    DialogTemplate dialog;
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (!resource) return dialog;
    const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
    if (!data) return dialog;
    dialog.found = true;
    Reader reader(data);
    dialog.style = reader.Dword();
    reader.Dword();  // extended style
    WORD count = reader.Word();
    reader.Short();
    reader.Short();
    dialog.cx = reader.Short();
    dialog.cy = reader.Short();
    WORD ordinal = 0;
    std::string ignored;
    reader.NameOrOrdinal(ordinal, ignored);  // menu
    reader.NameOrOrdinal(ordinal, ignored);  // class
    dialog.caption = reader.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.fontPoints = reader.Word();
        dialog.fontName = reader.Text();
    }
    for (WORD i = 0; i < count; ++i) {
        reader.AlignToDword();
        DialogItem item;
        item.style = reader.Dword();
        item.exStyle = reader.Dword();
        item.x = reader.Short();
        item.y = reader.Short();
        item.cx = reader.Short();
        item.cy = reader.Short();
        item.id = static_cast<short>(reader.Word());
        reader.NameOrOrdinal(item.classAtom, item.className);
        // A CONTROL statement names its class as text; Windows treats the names as the atoms.
        const struct {
            const char* name;
            WORD atom;
        } predefined[] = {{"button", 0x80}, {"edit", 0x81}, {"static", 0x82}, {"combobox", 0x85}};
        for (const auto& known : predefined) {
            if (!item.className.empty() && ::lstrcmpiA(item.className.c_str(), known.name) == 0) {
                item.classAtom = known.atom;
            }
        }
        WORD textOrdinal = 0;
        reader.NameOrOrdinal(textOrdinal, item.text);
        reader.Skip(reader.Word());  // creation data
        dialog.items.push_back(item);
    }
    return dialog;
}
