#pragma once
// Command numbers of the menus and the key table. Views, frames, the main window and the
// application answer them by number, so a test can trigger any of them by name or number.

namespace cmd {

inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FilePrint = 57607;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int About = 57664;
inline constexpr int Exit = 57665;
inline constexpr int NextPane = 57680;
inline constexpr int PrevPane = 57681;

inline constexpr int Search = 32836;
inline constexpr int SaveAsText = 32837;
inline constexpr int Print = 32838;
inline constexpr int PrintPreview = 32839;
inline constexpr int ReviewText = 32850;

inline constexpr int OpenAdministration = 32840;
inline constexpr int OpenVocabulary = 32841;
inline constexpr int OpenAbbreviations = 32842;
inline constexpr int OpenTreatments = 32843;
inline constexpr int OpenMunicipalities = 32844;
inline constexpr int OpenCommercial = 32846;

} // namespace cmd
