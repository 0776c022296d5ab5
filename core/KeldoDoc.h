#pragma once
#include <array>
#include <string>
#include <vector>

#include "DocumentHost.h"
#include "KeldoInputs.h"
#include "MessageBox.h"
#include "SaturationModel.h"

// The one document of the program: inputs, measurements, results and all
// computations. Plain C++; message boxes, the input dialog and the views are
// reached through the interfaces given to it.
class CKeldoDoc : public CKeldoInputs {
public:
    static constexpr int kGraphPoints = 1000;
    using Series = std::array<float, kGraphPoints>;
    using StringArray = std::vector<std::string>;

    explicit CKeldoDoc(keldo::IMessageBox& messages, keldo::IDocumentHost* host = nullptr);

    void SetHost(keldo::IDocumentHost* host) { m_pHost = host; }
    keldo::IMessageBox& Messages() const { return *m_pMessages; }

    // --- document life cycle -------------------------------------------
    bool OnNewDocument();
    void ResetInputs();
    // The values that loading sets for what the document file does not hold.
    void SetValuesAfterLoading();

    // Framework state of a document: modified mark, title and path.
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    bool IsModified() const { return m_bModified; }
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path);

    static int AddLine(StringArray& list, const std::string& line);

    // --- computation run -------------------------------------------------
    void InitGrafik();
    // Axis and legend texts of the water-saturation graph (also the defaults).
    void SetSaturationGraphTexts();
    void Compute();
    // True when the last computation ran to its end and no input has changed
    // since: its results are the current ones.
    bool LastRunCompleted() const { return m_bGeaendert == 0; }
    // False, after saying so in the report and in a message box, when there
    // are measurements but none lies inside the depth window: a run then has
    // nothing to compute and stops as a failed one.
    bool PruefeTeufenbereich();

    // --- dialog cycle ------------------------------------------------------
    void OnDataChange();
    void OnDateiNeu();

    // --- fluid properties and report header ------------------------------
    void ReportHeader();
    double GrenzflaechenspannungGW();
    double FaktorPc();
    float Gasdichte();

    // --- capillary-pressure normalization model --------------------------
    float PermeabilitaetAusPhi(float phi);
    double Keff(float teufe, float phi);
    float Swmin(double k);
    double PcSperr(double k);
    double Alfa(double k);
    double Beta(double k);
    double HoeheUeberKontakt(float teufe, double k, float sw);
    // False when the water is not denser than the hydrocarbon phase, so that
    // no capillary height exists; says so once per computation.
    bool PruefeDichtedifferenz();
    // The model's parameters as the document holds them now: the inputs and
    // the fluid quantities of the last report header.
    keldo::ModelParameters Modell() const;

    // --- water-saturation run ----------------------------------------------
    void ComputeSw();
    float SwInTeufe(float teufe, float phi);

    // --- contact run ---------------------------------------------------------
    // False when the depth window holds no measurement: then no statistics follow.
    bool ComputeKontakte();
    void SwProfil(float teufe, float phi, float sw);

    // --- contact statistics and histogram ---------------------------------
    // One porosity class of the statistics: smallest, largest and summed
    // contact depth of its rows, all single precision, as they are printed.
    struct Kontaktklasse {
        int nAnzahl = 0;
        float fMin = 0;
        float fMax = 0;
        float fSumme = 0;

        void Add(float kontakt);
        // The mean as the report prints it; 0 without rows.
        float Mittel() const { return nAnzahl > 0 ? fSumme / static_cast<float>(nAnzahl) : 0.0f; }
    };
    void KontaktStatistik();
    void Haeufigkeit();
    // Reads a contact row back (depth, porosity, Sw, contact); shows the
    // failure message and returns false when it does not give four numbers.
    struct Kontaktzeile {
        float teufe, phi, sw, kontakt;
    };
    bool LeseKontaktzeile(const std::string& zeile, Kontaktzeile& row);

    // Tells every view of the document to redraw itself.
    void UpdateAllViews()
    {
        if (m_pHost)
            m_pHost->UpdateAllViews();
    }
    keldo::IDocumentHost* Host() const { return m_pHost; }

    // Shows `text` in an OK message box.
    void Message(const std::string& text) { m_pMessages->Show(text); }
    // The same for a text that tells of work done (IMessageBox::Inform).
    void Notice(const std::string& text) { m_pMessages->Inform(text); }

    // --- graph data ---------------------------------------------------------
    std::string m_strTitel;
    std::string m_strUntertitel1;
    std::string m_strUntertitel2;
    std::string m_strXAchse;
    std::string m_strYAchse;
    std::string m_strYAchse2; // drawn by the graph view, never assigned
    std::string m_strY1Achse;
    std::string m_strLegende1;
    std::string m_strLegende2;
    std::string m_strLegende3;
    int m_nYAchsen = 1;
    int m_MaxWerte = 0;

    // --- result lists ---------------------------------------------------------
    StringArray m_Ergebnisse; // the report
    StringArray m_Kontakte;   // contact rows of the contact run

    // --- further state --------------------------------------------------------
    // One flag with two meanings: 1 = the inputs changed and the results are
    // outdated (set by the dialog cycle, left by a run that stops early);
    // 0 = the results belong to the inputs (cleared by a run that completes,
    // and by an OK in the dialog that changed nothing). Ask LastRunCompleted()
    // rather than reading it.
    int m_bGeaendert = 0;
    int m_bGitter = 1;
    int m_bWarnungen = 0;
    int m_bSkaliert = 0;
    double m_dFaktorPc = 0;
    float m_fFluiddichte = 0;

    Series m_X{};
    Series m_Y{};
    Series m_Y1{};
    Series m_Y2{};

    float m_fKontaktMin = 0;
    float m_fKontaktMax = 0;

    // The three porosity classes of the last contact statistics (cut-off,
    // +2 and +4 points) and the contact depths of the first one in row
    // order, as read back from the contact rows; empty after any other run.
    std::array<Kontaktklasse, 3> m_KontaktKlassen{};
    std::vector<float> m_KontakteKlasse1;

    StringArray m_Messwerte; // measurement lines, in the order loaded
    // The lines came from a LAS import whose depths are below sea level
    // (TVDSS): the graphs of the new windows label their depths so. Not
    // saved; a document read from a file holds TVD as far as it is known.
    bool m_depthsBelowSeaLevel = false;
    // The shale volume Vsh (-) of every measurement line, NaN where the log
    // has none, when the lines came from a LAS import that chose a
    // "Tonanteil" curve; empty: none, net rock by porosity alone. Not saved;
    // it goes whenever the lines go.
    std::vector<double> m_shaleVolumes;
    std::string m_strZeile;  // scratch line of every formatted report line and message

private:
    keldo::IMessageBox* m_pMessages;
    keldo::IDocumentHost* m_pHost;
    bool m_bModified = false;
    // The density message has been given in this computation (reset by ReportHeader).
    bool m_bDichteGemeldet = false;
    // HoeheUeberKontakt on a prepared curve: the saturation search evaluates
    // one permeability's curve up to 16 times per measurement.
    double Hoehe(float teufe, const keldo::CapillaryCurve& kurve, float sw);
    std::string m_strTitle;
    std::string m_strPathName;
};
