#include "dialog_template.h"

#include <cstring>

namespace {

class TemplateReader {
public:
    TemplateReader(const void* data, size_t size) : bytes_(static_cast<const uint8_t*>(data)), size_(size) {}

    bool ok() const { return ok_; }

    template <typename T>
    T Read()
    {
        T value{};
        if (position_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, bytes_ + position_, sizeof(T));
        position_ += sizeof(T);
        return value;
    }

    std::u16string ReadString()
    {
        std::u16string text;
        while (ok_) {
            const auto unit = Read<char16_t>();
            if (unit == 0)
                break;
            text.push_back(unit);
        }
        return text;
    }

    TemplateName ReadName()
    {
        TemplateName name;
        const auto first = Read<uint16_t>();
        if (first == 0xFFFF) {
            name.isOrdinal = true;
            name.ordinal = Read<uint16_t>();
        } else if (first != 0) {
            name.text.push_back(static_cast<char16_t>(first));
            name.text += ReadString();
        }
        return name;
    }

    void AlignToDword() { position_ = (position_ + 3) & ~size_t{3}; }
    void Skip(size_t count) { position_ += count; }

private:
    const uint8_t* bytes_;
    size_t size_;
    size_t position_ = 0;
    bool ok_ = true;
};

constexpr uint32_t SetFontStyle = 0x40;

}  // namespace

DialogTemplate ReadDialogTemplateEx(const void* data, size_t size)
{
    DialogTemplate dialog;
    TemplateReader reader(data, size);
    dialog.version = reader.Read<uint16_t>();
    dialog.signature = reader.Read<uint16_t>();
    if (!reader.ok() || dialog.version != 1 || dialog.signature != 0xFFFF)
        return dialog;
    dialog.helpId = reader.Read<uint32_t>();
    dialog.exStyle = reader.Read<uint32_t>();
    dialog.style = reader.Read<uint32_t>();
    const auto itemCount = reader.Read<uint16_t>();
    dialog.x = reader.Read<int16_t>();
    dialog.y = reader.Read<int16_t>();
    dialog.cx = reader.Read<int16_t>();
    dialog.cy = reader.Read<int16_t>();
    dialog.menu = reader.ReadName();
    dialog.windowClass = reader.ReadName();
    dialog.title = reader.ReadString();
    if (dialog.style & SetFontStyle) {
        dialog.pointSize = reader.Read<uint16_t>();
        dialog.weight = reader.Read<uint16_t>();
        dialog.italic = reader.Read<uint8_t>();
        dialog.charset = reader.Read<uint8_t>();
        dialog.typeface = reader.ReadString();
    }
    for (int i = 0; i < itemCount && reader.ok(); ++i) {
        reader.AlignToDword();
        DialogItemTemplate item;
        item.helpId = reader.Read<uint32_t>();
        item.exStyle = reader.Read<uint32_t>();
        item.style = reader.Read<uint32_t>();
        item.x = reader.Read<int16_t>();
        item.y = reader.Read<int16_t>();
        item.cx = reader.Read<int16_t>();
        item.cy = reader.Read<int16_t>();
        item.id = reader.Read<int32_t>();
        item.windowClass = reader.ReadName();
        item.title = reader.ReadName();
        item.extraCount = reader.Read<uint16_t>();
        reader.Skip(item.extraCount);
        dialog.items.push_back(item);
    }
    dialog.valid = reader.ok();
    return dialog;
}
