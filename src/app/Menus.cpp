#include "app/Menus.h"

#include "app/Commands.h"

#include <array>

namespace {

constexpr MenuItem kSeparator{"", 0};

constexpr std::array kFile128 = {MenuItem{"&Surt", cmd::Exit}};
constexpr std::array kHelp = {MenuItem{"&Quant a Plecta", cmd::About}};
constexpr std::array kMenus128 = {Menu{"&Fitxer", kFile128}, Menu{"&Ajuda", kHelp}};

constexpr std::array kFile129 = {
    MenuItem{"&Anomena i desa\tCtrl+S", cmd::SaveAsText},
    MenuItem{"&Imprimeix\tCtrl+P", cmd::Print},
    MenuItem{"&Previsualitza la impressió", cmd::PrintPreview},
    MenuItem{"&Surt", cmd::Exit},
};
constexpr std::array kEdit129 = {
    MenuItem{"&Desfés\tCtrl+Z", cmd::EditUndo},   kSeparator,
    MenuItem{"&Retalla\tCtrl+X", cmd::EditCut},   MenuItem{"&Copia\tCtrl+C", cmd::EditCopy},
    MenuItem{"&Enganxa\tCtrl+V", cmd::EditPaste}, kSeparator,
    MenuItem{"C&ercar\tF3", cmd::Search},         MenuItem{"Re&visa el text\tF7", cmd::ReviewText},
};
constexpr std::array kFunctions129 = {
    MenuItem{"Textos comercials", cmd::OpenCommercial},
    MenuItem{"&Administració pública", cmd::OpenAdministration},
    MenuItem{"&Vocabulari", cmd::OpenVocabulary},
    MenuItem{"A&breviacions", cmd::OpenAbbreviations},
    MenuItem{"&Tractaments protocol·laris", cmd::OpenTreatments},
    MenuItem{"&Índex de municipis i comarques", cmd::OpenMunicipalities},
};
constexpr std::array kMenus129 = {Menu{"&Fitxer", kFile129}, Menu{"&Editar", kEdit129},
                                  Menu{"F&uncions", kFunctions129}, Menu{"&Ajuda", kHelp}};

constexpr std::array kKeys = {
    KeyBinding{"Ctrl+C", cmd::EditCopy},  KeyBinding{"Ctrl+Ins", cmd::EditCopy},
    KeyBinding{"Ctrl+X", cmd::EditCut},   KeyBinding{"Shift+Del", cmd::EditCut},
    KeyBinding{"Ctrl+V", cmd::EditPaste}, KeyBinding{"Shift+Ins", cmd::EditPaste},
    KeyBinding{"Ctrl+Z", cmd::EditUndo},  KeyBinding{"Alt+Backspace", cmd::EditUndo},
    KeyBinding{"Ctrl+F", cmd::Search},    KeyBinding{"Ctrl+P", cmd::FilePrint},
    KeyBinding{"Ctrl+P", cmd::Print},     KeyBinding{"Ctrl+S", cmd::FileSave},
    KeyBinding{"Ctrl+N", cmd::FileNew},   KeyBinding{"Ctrl+O", cmd::FileOpen},
    KeyBinding{"F6", cmd::NextPane},      KeyBinding{"Shift+F6", cmd::PrevPane},
    KeyBinding{"F7", cmd::ReviewText},
};

constexpr std::array kExtraKeys = {KeyBinding{"F3", cmd::Search}, KeyBinding{"Ctrl+S", cmd::SaveAsText}};

} // namespace

std::span<const Menu> menuBar128()
{
    return kMenus128;
}

std::span<const Menu> menuBar129()
{
    return kMenus129;
}

std::span<const KeyBinding> keyTable()
{
    return kKeys;
}

std::span<const KeyBinding> extraKeys()
{
    return kExtraKeys;
}

std::string_view menuPrompt(int command)
{
    switch (command) {
    case cmd::About: return "Mostra la informació del programa, la versió i la llicència";
    case cmd::Exit: return "Surt del programa; abans pregunta si es descarta el text escrit";
    default: return {};
    }
}
