~Version Information
VERS.                     2.0: CWLS log ASCII Standard Version 2.00
WRAP.                      NO: One line per depth step

~Well Information Block
#MNEM.UNIT                 Value                       Information
#------------              -----                       -----------
STRT.M                    3575.000                    :START
STOP.M                    3761.800                    :STOP
STEP.M                       0.100                    :STEP
NULL.                     -999.25                     :NULL VALUE
COMP.         Statoil Petroleum AS                    :Company
WELL.         15/9-F-11 A                             :Well
FLD .         VOLVE                                   :Field
LOC .         Maersk Inspirer                         :Location
PROV.                                                 :Province
CNTY.                                                 :County
STATE.                                                 :State
CTRY.         Norway                                  :Country
DATE.                                                 :Log Date
SRVC.                                                 :Service Company
UWI .                                                 :Unique Well Identifier
API .                                                 :API Number
LATI.         058 26' 29.956" N    DMS                :Latitude
LONG.         001 53' 14.866" E    DMS                :Longtitude
PD  .         MSL                                     :Permanent Datum
EDF .M            54.900                              :Elevations D.F.
EGL .M           -91.000                              :Elevations G.L.
ELZ .M            54.900                              :Elev. Log Zero
LMF .         DF                                      :Log Measured From

~Curve Information
#MNEM   .UNIT             API CODE Curve Description
#------------             -------- -----------------
DEPTH   .M            00 001 00 00:   0  Depth
BVW     .v/v          00 000 00 00:   1  BVW:CPI:rC:NONE:v1
CARB_FLAG.UNKNOWN     00 000 00 00:   2  CARB_FLAG:CPI:rC:NONE:v1
COAL_FLAG.UNKNOWN     00 000 00 00:   3  COAL_FLAG:CPI:rC:NONE:v1
KLOGH   .mD           00 000 00 00:   4  KLOGH:CPI:rC:NONE:v1
PHIF    .v/v          00 000 00 00:   5  PHIF:CPI:rC:NONE:v1
SAND_FLAG.UNKNOWN     00 000 00 00:   6  SAND_FLAG:CPI:rC:NONE:v1
SW      .v/v          00 000 00 00:   7  SW:CPI:rC:NONE:v1
VSH     .v/v          00 000 00 00:   8  VSH:CPI:rC:NONE:v1

~Parameter Information
#MNEM.UNIT       Value           Description
#------------    -----           -----------
RUN .         1                 :Run number

~Other Information
PETROPHYSICAL_INTERPRETATION: OUTPUT

# --- LOG MNEMONICS AND UNITS ---
#Depth     BVW        CARB_FLAG  COAL_FLAG  KLOGH      PHIF       SAND_FLAG  SW         VSH       
#M         v/v        UNKNOWN    UNKNOWN    mD         v/v        UNKNOWN    v/v        v/v       

~A
  3575.000      0.087      0.000      0.000      0.001      0.087      0.000      1.000      0.773
  3575.100      0.088      0.000      0.000      0.001      0.088      0.000      1.000      0.742
  3575.200      0.090      0.000      0.000      0.001      0.090      0.000      1.000      0.740
  3575.300      0.092      0.000      0.000      0.001      0.092      0.000      1.000      0.758
  3575.400      0.092      0.000      0.000      0.001      0.092      0.000      1.000      0.778
  3575.500      0.090      0.000      0.000      0.001      0.090      0.000      1.000      0.769
  3575.600      0.087      0.000      0.000      0.001      0.087      0.000      1.000      0.773
  3575.700      0.084      0.000      0.000      0.001      0.084      0.000      1.000      0.772
  3575.800      0.085      0.000      0.000      0.001      0.085      0.000      1.000      0.757
  3575.900      0.087      0.000      0.000      0.001      0.087      0.000      1.000      0.766
  3576.000      0.087      0.000      0.000      0.001      0.087      0.000      1.000      0.760
  3576.100      0.082      0.000      0.000      0.001      0.082      0.000      1.000      0.767
  3576.200      0.075      0.000      0.000      0.001      0.075      0.000      1.000      0.766
  3576.300      0.070      0.000      0.000      0.001      0.070      0.000      1.000      0.766
  3576.400      0.073      0.000      0.000      0.001      0.073      0.000      1.000      0.775
  3576.500      0.079      0.000      0.000      0.001      0.079      0.000      1.000      0.770
  3576.600      0.085      0.000      0.000      0.001      0.085      0.000      1.000      0.786
  3576.700      0.087      0.000      0.000      0.001      0.087      0.000      1.000      0.812
  3576.800      0.086      0.000      0.000      0.001      0.086      0.000      1.000      0.823
  3576.900      0.086      0.000      0.000      0.001      0.086      0.000      1.000      0.860
  3577.000      0.086      0.000      0.000      0.001      0.086      0.000      1.000      0.863
  3577.100      0.088      0.000      0.000      0.001      0.088      0.000      1.000      0.846
  3577.200      0.090      0.000      0.000      0.001      0.090      0.000      1.000      0.839
  3577.300      0.092      0.000      0.000      0.001      0.092      0.000      1.000      0.803
  3577.400      0.096      0.000      0.000      0.001      0.096      0.000      1.000      0.818
  3577.500      0.099      0.000      0.000      0.001      0.099      0.000      1.000      0.829
  3577.600      0.101      0.000      0.000      0.001      0.101      0.000      1.000      0.820
  3577.700      0.100      0.000      0.000      0.001      0.100      0.000      1.000      0.815
  3577.800      0.098      0.000      0.000      0.001      0.098      0.000      1.000      0.821
  3577.900      0.096      0.000      0.000      0.001      0.096      0.000      1.000      0.809
