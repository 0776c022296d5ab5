~VERSION INFORMATION
	VERS.	2.0	:	CWLS LOG ASCII STANDARD 2.0
	WRAP.	NO	:	ONE LINE PER DEPTH STEP
~WELL INFORMATION
# Bohrung Süd, Messwerte in µs/ft
	STRT.M	800.0	:
	STOP.M	800.2	:
	STEP.M	0.1	:
	NULL.	-9999	:	NULL
	WELL.	SÜD-3	:	Bohrung
	EREF.M	n/a	:	no reference
	ELEV.M	12.25	:	Höhe über NN
~CURVE INFORMATION
	DEPT.M	:	Teufe
	DT.µS/FT	:	Laufzeit
	TEMP.°C	:	Temperatur
	PHIE.	:	Porosität
	SW.	:	Sättigung
~A
800.0	90.5	40.1	0.21	0.5
800.1	-9999	40.2	nan	0.6
800.2	91.0	-9999.0	0.22	abc
