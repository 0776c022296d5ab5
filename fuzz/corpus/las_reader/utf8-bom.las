~Version
 VERS. 2.0 :
 WRAP. NO :
~Well
 WELL. Königsberg 1 : Bohrung
 NULL. -999.25 :
~Curve
 DEPT.M : Teufe
 DT.µs/ft : Laufzeit
~Ascii Log Data
 100.0 55.5
 100.5 56.5
