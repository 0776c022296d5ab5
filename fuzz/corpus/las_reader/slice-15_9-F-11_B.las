~Version Information
VERS.                     2.0: CWLS log ASCII Standard Version 2.00
WRAP.                      NO: One line per depth step

~Well Information Block
#MNEM.UNIT                 Value                       Information
#------------              -----                       -----------
STRT.M                    3351.600                    :START
STOP.M                    4759.200                    :STOP
STEP.M                       0.100                    :STEP
NULL.                     -999.25                     :NULL VALUE
COMP.         Statoil Petroleum AS                    :Company
WELL.         15/9-F-11 B                             :Well
FLD .         VOLVE                                   :Field
LOC .         Maersk Inspirer                         :Location
PROV.                                                 :Province
CNTY.                                                 :County
STATE.                                                 :State
CTRY.                                                 :Country
DATE.                                                 :Log Date
SRVC.                                                 :Service Company
UWI .                                                 :Unique Well Identifier
API .                                                 :API Number
LATI.         058 26' 29.960" N    DMS                :Latitude
LONG.         001 53' 14.870" E    DMS                :Longtitude
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
CARB_FLAG.unitless    00 000 00 00:   2  CARB_FLAG:CPI:rC:NONE:v1
COAL_FLAG.unitless    00 000 00 00:   3  COAL_FLAG:CPI:rC:NONE:v1
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
#M         v/v        unitless   unitless   mD         v/v        UNKNOWN    v/v        v/v       

~A
  3351.600      0.055      0.000      0.000      0.001      0.055      0.000      1.000      0.869
  3351.700      0.058      0.000      0.000      0.001      0.058      0.000      1.000      0.892
  3351.800      0.061      0.000      0.000      0.001      0.061      0.000      1.000      0.881
  3351.900      0.062      0.000      0.000      0.001      0.062      0.000      1.000      0.886
  3352.000      0.064      0.000      0.000      0.001      0.064      0.000      1.000      0.876
  3352.100      0.066      0.000      0.000      0.001      0.066      0.000      1.000      0.882
  3352.200      0.067      0.000      0.000      0.001      0.067      0.000      1.000      0.875
  3352.300      0.067      0.000      0.000      0.001      0.067      0.000      1.000      0.843
  3352.400      0.066      0.000      0.000      0.001      0.066      0.000      1.000      0.840
  3352.500      0.062      0.000      0.000      0.001      0.062      0.000      1.000      0.860
  3352.600      0.058      0.000      0.000      0.001      0.058      0.000      1.000      0.880
  3352.700      0.055      0.000      0.000      0.001      0.055      0.000      1.000      0.896
  3352.800      0.060      0.000      0.000      0.001      0.060      0.000      1.000      0.912
  3352.900      0.072      0.000      0.000      0.001      0.072      0.000      1.000      0.941
  3353.000      0.084      0.000      0.000      0.001      0.084      0.000      1.000      0.971
  3353.100      0.089      0.000      0.000      0.001      0.089      0.000      1.000      0.993
  3353.200      0.086      0.000      0.000      0.001      0.086      0.000      1.000      0.980
  3353.300      0.078      0.000      0.000      0.001      0.078      0.000      1.000      0.944
  3353.400      0.071      0.000      0.000      0.001      0.071      0.000      1.000      0.905
  3353.500      0.069      0.000      0.000      0.001      0.069      0.000      1.000      0.911
  3353.600      0.070      0.000      0.000      0.001      0.070      0.000      1.000      0.937
  3353.700      0.070      0.000      0.000      0.001      0.070      0.000      1.000      0.914
  3353.800      0.071      0.000      0.000      0.001      0.071      0.000      1.000      0.908
  3353.900      0.072      0.000      0.000      0.001      0.072      0.000      1.000      0.946
  3354.000      0.075      0.000      0.000      0.001      0.075      0.000      1.000      0.984
  3354.100      0.074      0.000      0.000      0.001      0.074      0.000      1.000      1.000
  3354.200      0.069      0.000      0.000      0.001      0.069      0.000      1.000      1.000
  3354.300      0.062      0.000      0.000      0.001      0.062      0.000      1.000      0.987
  3354.400      0.059      0.000      0.000      0.001      0.059      0.000      1.000      0.947
  3354.500      0.064      0.000      0.000      0.001      0.064      0.000      1.000      0.928
