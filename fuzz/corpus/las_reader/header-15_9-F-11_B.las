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
