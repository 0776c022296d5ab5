~V
 VERS. 2.0 :
~C
~A
 1 2
