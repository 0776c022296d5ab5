~V
~C
 DEPT.M :
 GR. :
 GR. :
 . :
~A
 1 2 3 4
