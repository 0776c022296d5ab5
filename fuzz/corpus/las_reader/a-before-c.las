~V
 VERS. 2.0 :
~A
 1 2
~C
 DEPT.M :
 GR. :
