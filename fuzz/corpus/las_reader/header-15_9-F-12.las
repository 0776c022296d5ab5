~Version Information
VERS.                     2.0: CWLS log ASCII Standard Version 2.00
WRAP.                      NO: One line per depth step

~Well Information Block
#MNEM       .UNIT          Value                       Information
#-------------------------------------------------------------------------
STRT        .M             3102.102                    :START
STOP        .M             3505.8096                   :STOP
STEP        .M             0.1524                      :STEP
NULL        .              -999.25                     :NULL VALUE
COMP        .              STATOILHYDRO                :COMPANY
WELL        .              15/9-F-12                   :WELL
FLD         .              VOLVE                       :FIELD
LOC         .              UNKNOWN                     :LOCATION
CNTY        .              UNKNOWN                     :COUNTY
STAT        .              UNKNOWN                     :STATE
CTRY        .              Norway                      :COUNTRY
SRVC        .              UNKNOWN                     :SERVICE COMPANY
DATE        .              UNKNOWN                     :LOG DATE
UWI         .              NO 15/9-F-12                :UNIQUE WELL ID
XCOORD      .              435050.170000               :SURFACE X
YCOORD      .              6478574.700000              :SURFACE Y
LAT         .              58.441713                   :LATITUDE
LON         .              1.887480                    :LONGITUDE
ELEV        .M             54.9000                     :SURFACE ELEV
ELEV_TYPE   .              KB                          :ELEV TYPE

~Curve Information
#MNEM       .UNIT             API CODE : Curve Description
#-------------------------------------------------------------------------
DEPTH       .M                UNKNOWN  : Measured Dept
BVW         .v/v_decimal      UNKNOWN  : BVW:UNKNOWN:rC:NONE:v1
KLOGH       .mD               UNKNOWN  : KLOGH:UNKNOWN:rC:NONE:v1
PHIF        .v/v_decimal      UNKNOWN  : PHIF:UNKNOWN:rC:NONE:v1
SW          .v/v_decimal      UNKNOWN  : SW:UNKNOWN:rC:NONE:v1
VSH         .v/v_decimal      UNKNOWN  : VSH:UNKNOWN:rC:NONE:v1
# --- LOG MNEMONICS AND UNITS ---
#Depth     BVW        KLOGH      PHIF       SW         VSH       
#M         v/v_decima mD         v/v_decima v/v_decima v/v_decima
~A
