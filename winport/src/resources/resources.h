// Resource scripts (.rc) registered by modules, parsed on first use: dialog templates, menus and
// icons and string tables looked up by id or name.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace winport {
struct DialogItem {
    std::string className;
    std::string text;
    int id = -1;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
    std::string name; // symbolic or numeric name as written
    int id = -1; // numeric id, -1 for a string name
    DWORD style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    std::string fontFace = "MS Shell Dlg";
    int fontSize = 8;
    int fontWeight = FW_NORMAL;
    bool fontItalic = false;
    std::string menu;
    std::vector<DialogItem> items;
};

struct MenuItem {
    std::string text; // empty for a separator
    int id = 0;
    UINT flags = 0; // MF_* of the item
    std::vector<MenuItem> popup; // items of a popup
    bool isPopup = false;
};

struct MenuTemplate {
    std::string name;
    int id = -1;
    std::vector<MenuItem> items;
};

// An ICON resource: the file named in the script.
struct IconResource {
    std::string name;
    int id = -1;
    std::string file;
};

struct ResourceScript {
    std::map<std::string, long> symbols; // #define NAME value
    std::vector<DialogTemplate> dialogs;
    std::vector<MenuTemplate> menus;
    std::vector<IconResource> icons;
    std::map<int, std::string> strings;
};

// Parses a resource script; symbols come from the header text and the script's own #defines.
// Throws std::runtime_error with the line number on a syntax error.
ResourceScript parseResourceScript(const std::string& script, const std::string& header);

// Finds a dialog template of a module (NULL or an unknown module: every registered module).
const DialogTemplate* findDialogTemplate(HINSTANCE module, LPCSTR name);
const MenuTemplate* findMenuTemplate(HINSTANCE module, LPCSTR name);
const IconResource* findIconResource(HINSTANCE module, LPCSTR name);
const std::string* findString(HINSTANCE module, UINT id);
}
