#pragma once

// Command ids of the menus, tool bar, context menu and accelerators. They are
// the keys of the string table (status-bar prompt and tool tip).
namespace keldo::cmd {

enum : int {
    ID_DATEN_AENDERN = 32771,
    ID_GRAFIK = 32773,
    ID_TABELLE = 32774,
    ID_HILFE = 32775,
    ID_ERGEBNISSE_AUSGEBEN = 32778,
    ID_ERGEBNISSE_EINLESEN_PROMPT = 32779,
    ID_ERGEBNISSE_EINLESEN = 32780,
    ID_GRAFIKLUPE = 32781,
    // Beyond the original command set: saving the graph as an image file.
    ID_GRAFIK_EXPORTIEREN = 32790,
    // Many wells with the model of the open document.
    ID_FELDSTUDIE = 32791,
    // Fitting the Phi-K relation and the contact to the data.
    ID_MODELL_ANPASSEN = 32792,
    // The curves of every measurement out as LAS and CSV; net pay.
    ID_MESSWERTE_LAS = 32793,
    ID_MESSWERTE_CSV = 32794,
    ID_NETTOMAECHTIGKEIT = 32795,

    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

// Views of the frame: the table is 1, the graph 2.
enum : int { VIEW_TABELLE = 1, VIEW_GRAFIK = 2 };

} // namespace keldo::cmd
