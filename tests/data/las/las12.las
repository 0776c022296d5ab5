~VERSION INFORMATION
 VERS.                 1.20:   CWLS LOG ASCII STANDARD -VERSION 1.20
 WRAP.                  NO:   ONE LINE PER DEPTH STEP
~WELL INFORMATION BLOCK
#MNEM.UNIT       DATA TYPE    INFORMATION
 STRT.M           1200.0000:
 STOP.M           1200.5000:
 STEP.M              0.2500:
 NULL.            -999.2500:
 COMP.             COMPANY:   OLD STYLE OIL COMPANY
 WELL.                WELL:   OLD STYLE 12
 FLD .               FIELD:   WILDCAT
 LOC .            LOCATION:   12-34-56-78W5M
 DATE.            LOG DATE:   05-MAR-1991
 EDF .M  DERRICK FLOOR   :   30.5
~CURVE INFORMATION
 DEPT.M                   :   1  DEPTH
 PHI .V/V                 :   2  POROSITY
 SW  .V/V                 :   3  WATER SATURATION
~A  DEPTH     PHI        SW
 1200.0000   0.2500    0.3000
 1200.2500   0.2400    0.3300
 1200.5000   0.2300    0.3600
