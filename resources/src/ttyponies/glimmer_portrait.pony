$$$
NAME: Glimmerstone
$$$
$balloon28$
            $\$
             $\$     ]P1313e5c[31m▄]P29ea8b9[42m▀[49m▄
    ]P1008dec[31m▄▄]P290f0ff[42m▀▀▀▀]P2e8f8ff[42m▀▀[49m▄ ]P1313e5c[31m▄]P27a8aa8[42m▀▀[49m]P1008dec[31m▄]P1313e5c[31m█]P19ea8b9[31m]P269799d[42m▀▄]P1313e5c[31m█
  ]P1008dec[31m▄]P290f0ff[42m▀]P1e8f8ff[31m▄▄███████]P1008dec[31m]P2313e5c[42m▀]P1ff9db5[31m▄█]P1008dec[31m█ ]P19ea8b9[31m]P269799d[42m▀▄█]P1313e5c[31m█]P1008dec[31m]P290f0ff[42m▀[49m▄
 ]P1008dec[31m▄]P29fdaff[42m▀]P1e8f8ff[31m████████▀ ]P1313e5c[31m█]P1ff9db5[31m██]P1313e5c[31m]P27a8aa8[42m▀]P19ea8b9[31m▀▀]P169799d[31m]P2008dec[42m▀]P19ea8b9[31m▀]P1313e5c[31m▀]P190f0ff[31m]P29fdaff[42m▀█]P1008dec[31m█
 ]P1008dec[31m█]P19fdaff[31m█]P1e8f8ff[31m████]P29fdaff[42m▀▀]P1008dec[31m▄]P190f0ff[31m▄]P2008dec[42m▄ ]P16277a3[31m█]P17a8aa8[31m██]P212272c[42m▄▀▀▀▀▀▀█]P28998b2[42m▄]P1313e5c[31m█
]P1008dec[31m▄]P29fdaff[42m▀]P1e8f8ff[31m▄▀]P2008dec[42m▀]P19fdaff[31m▀]P290f0ff[42m▀]P1008dec[31m▀]P1e8f8ff[31m▄▄█]P29fdaff[42m▀]P1008dec[31m█]P16277a3[31m█]P17a8aa8[31m███]P112272c[31m█]P2ffffff[42m▀]P230c0d0[42m▀▀▀▀█]P17a8aa8[31m█]P28998b2[42m▀]P1313e5c[31m█
]P1008dec[31m█]P29fdaff[42m▄]P290f0ff[42m▀▀]P1e8f8ff[31m▄▄████]P29fdaff[42m▀]P1008dec[31m▄]P26277a3[42m▀]P17a8aa8[31m▄███]P112272c[31m█]P1ffffff[31m█]P230c0d0[42m▀]P112272c[31m██ █]P17a8aa8[31m█]P18998b2[31m█]P1313e5c[31m█
]P1008dec[31m█]P190f0ff[31m]P29fdaff[42m▀]P1e8f8ff[31m██████▀ ]P1008dec[31m▄]P26277a3[42m▀]P17a8aa8[31m▄████]P112272c[31m█]P1ffffff[31m█]P185dee3[31m█]P212272c[42m▄▄]P2ffffff[42m▀]P112272c[31m█]P17a8aa8[31m██]P28998b2[42m▄]P1313e5c[31m█
]P1008dec[31m█]P19fdaff[31m█]P1e8f8ff[31m████]P29fdaff[42m▀]P1008dec[31m▄]P290f0ff[42m▀]P1e8f8ff[31m▄]P1008dec[31m█]P16277a3[31m]P27a8aa8[42m▀      ]P112272c[31m▀]P2ff9db5[42m▀▀▀]P27a8aa8[42m▀]P1313e5c[31m▄ ▀ █
]P1008dec[31m█]P19fdaff[31m█]P2e8f8ff[42m▄]P1008dec[31m▄]P29fdaff[42m▄]P290f0ff[42m▀▀]P1e8f8ff[31m▄█]P29fdaff[42m▀]P1008dec[31m█]P17a8aa8[31m████]P26277a3[42m▀]P2313e5c[42m▀▀]P16277a3[31m▀▀▀▀▀[49m▀]P1313e5c[31m▀▀▀
]P1008dec[31m▀█]P190f0ff[31m█]P2e8f8ff[42m▀   ]P19fdaff[31m▄]P2008dec[42m▀]P17a8aa8[31m▄███]P26277a3[42m▄▄  ]P1313e5c[31m]P28998b2[42m▀[49m▄
  ]P1008dec[31m▀]P29fdaff[42m▄]P1e8f8ff[31m▀▀]P1008dec[31m▄]P27a8aa8[42m▀          ]P18998b2[31m▀]P2313e5c[42m▄[49m]P1313e5c[31m▄
