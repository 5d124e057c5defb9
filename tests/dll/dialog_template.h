#pragma once

// Reads an extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX
// items) as the resource compiler laid it out.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A class, menu or text field: a name, or an ordinal such as 0x80 for BUTTON.
struct TemplateName {
    bool isOrdinal = false;
    uint16_t ordinal = 0;
    std::u16string text;
};

struct DialogItemTemplate {
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    int32_t id = 0;
    TemplateName windowClass;
    TemplateName title;
    uint16_t extraCount = 0;
};

struct DialogTemplate {
    bool valid = false;
    uint16_t version = 0;
    uint16_t signature = 0;
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    TemplateName menu;
    TemplateName windowClass;
    std::u16string title;
    uint16_t pointSize = 0;
    uint16_t weight = 0;
    uint8_t italic = 0;
    uint8_t charset = 0;
    std::u16string typeface;
    std::vector<DialogItemTemplate> items;
};

// valid stays false when the data is not an extended template or ends early.
DialogTemplate ReadDialogTemplateEx(const void* data, size_t size);
