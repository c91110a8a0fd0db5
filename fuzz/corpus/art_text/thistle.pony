$$$
NAME: Thistle
OTHER NAMES: Thistle Down (a nickname), Thissy
$$$
$balloon12$
      $\$
       $\$
   ^[]P15a3d8c^[[31m▄▄^[]P2c9a0e0^[[42m▀▀▀^[[49m▄
  ^[]P15a3d8c^[[31m█^[]P2c9a0e0^[[42m ^[]P1ffffff^[[31m▀^[]P1101010^[[31m▄^[]P2c9a0e0^[[42m  ^[[49m^[]P15a3d8c^[[31m█

  ^[]P15a3d8c^[[31m▀▀^[]P2f0c040^[[42m▄▄^[[49m ^[]P15a3d8c^[[31m▀▀   
   ^[]P1806020^[[31m█ █  █ █
