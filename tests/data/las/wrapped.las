~Version Information
 VERS.                          2.0:   CWLS log ASCII Standard -VERSION 2.0
 WRAP.                          YES:   Multiple lines per depth step
~Well Information
 STRT.M                     1500.0000:
 STOP.M                     1500.2000:
 STEP.M                        0.1000:
 NULL.                      -999.2500:
 WELL.              WRAPPED WELL 2   :   WELL
 ELEV.M                        31.5  :   GROUND LEVEL ELEVATION
~Curve Information
 DEPT  .M                          :   Depth
 GR    .GAPI                       :   Gamma ray
 RHOB  .G/C3                       :   Bulk density
 NPHI  .V/V                        :   Neutron porosity
 DT    .US/F                       :   Sonic
 RT    .OHMM                       :   Deep resistivity
 PHIT  .V/V                        :   Total porosity
 SWT   .V/V                        :   Total water saturation
~A
1500.0000
  55.123   2.350   0.210  80.500
  12.500   0.2150  0.3500
1500.1000
  60.000   2.400   0.200  79.000
  -999.2500  0.2050  0.4000
1500.2000
  62.500   2.410   0.190  78.500  10.000
  0.1950  0.4500
