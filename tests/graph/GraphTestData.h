#pragma once
#include <cmath>
#include <string>

#include "KeldoDoc.h"

// Graph data as the two runs leave them, written straight into the
// document so that the graph can be tested on its own.

// A water-saturation result over 1500.2 to 1587.9 m: measured Sw, porosity
// and computed Sw, two y axes.
inline void FillSaturationGraph(CKeldoDoc& doc, int points = 60)
{
    doc.InitGrafik();
    doc.m_nModus = 0;
    doc.m_nYAchsen = 2;
    doc.m_MaxWerte = points;
    for (int i = 0; i < points; ++i) {
        const double t = points > 1 ? double(i) / (points - 1) : 0.0;
        doc.m_X[i] = float(1500.2 + t * (1587.9 - 1500.2));
        doc.m_Y[i] = float(0.25 + 0.6 * t + 0.05 * std::sin(9 * t));
        doc.m_Y1[i] = float(0.22 - 0.12 * t + 0.02 * std::cos(7 * t));
        doc.m_Y2[i] = float(0.2 + 0.65 * t * t);
    }
    doc.m_strTitel = "Nachrechnung der Wassersättigung Sw";
    doc.m_strUntertitel1 = "15/9-F-12";
    doc.m_strUntertitel2 = "Gas-Wasser-Kontakt:1600.0";
    doc.m_bSkaliert = 0;
}

// A contact histogram: class bounds from `first` in steps of `step` with the
// given counts, one y axis.
inline void FillHistogram(CKeldoDoc& doc, float first, float step, std::initializer_list<float> counts)
{
    doc.InitGrafik();
    doc.m_nModus = 1;
    int i = 0;
    for (float count : counts) {
        doc.m_X[i] = first + step * i;
        doc.m_Y[i] = count;
        ++i;
    }
    doc.m_MaxWerte = i;
    doc.m_strTitel = "Häufigkeit der GWC-Teufen";
    doc.m_strUntertitel1 = "15/9-F-12";
    doc.m_strUntertitel2 = "Porositäts-Cutoff: 6 Prozent";
    doc.m_strXAchse = "Vertikale Teufe TVD des GWC (m)";
    doc.m_strYAchse = "Anzahl";
    doc.m_strY1Achse.clear();
    doc.m_bSkaliert = 0;
}
