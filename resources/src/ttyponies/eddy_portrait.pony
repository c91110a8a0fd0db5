$$$
NAME: Eddy Fairweather
$$$
$balloon30$
              $\$
               $\$ ]P110292d[31m▄]P235716e[42m▀▀▀]P2297869[42m▀]P1f8fbfa[31m▄]P110292d[31m▀[49m▄
       ]P15a5ac0[31m▄▄]P2fafafc[42m▀▀▀▀[49m▄▄ ]P1297869[31m▄]P110292d[31m█]P12a5a5a[31m]P223474b[42m▀▀]P1297869[31m█]P1f8fbfa[31m]P28ecebf[42m▀▄]P1297869[31m█]P110292d[31m█
     ]P15a5ac0[31m▄]P2fafafc[42m▀]P1e0e0f0[31m▄▄█████]P110292d[31m█]P235716e[42m▀▀▀]P12a5a5a[31m▀]P1297869[31m█]P1f8fbfa[31m]P28ecebf[42m▀▄█]P1297869[31m█]P110292d[31m]P235716e[42m▀▀▀]P223474b[42m▀[49m▄
    ]P15a5ac0[31m█]P1fafafc[31m]P2e0e0f0[42m▀    ]P1b9b9e1[31m▄▄▄ ▄]P110292d[31m]P2297869[42m▀]P2ff9db5[42m▀▀]P1297869[31m]P2b8e0d0[42m▀]P1f8fbfa[31m▀]P25a5ac0[42m▀]P18ecebf[31m▀]P1f8fbfa[31m]P2b9b9e1[42m▀]P1297869[31m▀]P110292d[31m]P2e0e0f0[42m▀]P2b9b9e1[42m▀]P25a5ac0[42m▀[49m▀
   ]P15a5ac0[31m█]P1e0e0f0[31m███]P2b9b9e1[42m▀]P15a5ac0[31m▄▄]P2fafafc[42m▀▀▀]P2b9b9e1[42m▄▄]P281ceba[42m▀]P1b8e0d0[31m▄█]P20f1119[42m▄▀▀▀▀▀▀█]P2daefe5[42m▄]P1297869[31m█
  ]P15a5ac0[31m▄]P2e0e0f0[42m▀ ]P1b9b9e1[31m▄]P25a5ac0[42m▀]P1fafafc[31m▄]P2e0e0f0[42m▀▀   ]P1b9b9e1[31m▄]P15a5ac0[31m█]P181ceba[31m█]P1b8e0d0[31m███]P10f1119[31m█]P2ffffff[42m▀]P23a4a9a[42m▀▀▀▀█]P1b8e0d0[31m█]P2daefe5[42m▀]P1297869[31m█
  ]P15a5ac0[31m█]P1e0e0f0[31m█]P1b9b9e1[31m█]P15a5ac0[31m█]P1fafafc[31m█]P1e0e0f0[31m████]P2b9b9e1[42m▀ ]P15a5ac0[31m█]P181ceba[31m█]P1b8e0d0[31m████]P10f1119[31m█]P1ffffff[31m█]P23a4a9a[42m▀]P10f1119[31m██ █]P1b8e0d0[31m█]P1daefe5[31m█]P1297869[31m█
 ]P15a5ac0[31m▄]P2b9b9e1[42m▀ █]P1fafafc[31m█]P1e0e0f0[31m███▀ ]P15a5ac0[31m▄█]P181ceba[31m█]P1b8e0d0[31m█████]P10f1119[31m█]P1ffffff[31m█]P14e61bc[31m█]P20f1119[42m▄▄]P2ffffff[42m▀]P10f1119[31m█]P1b8e0d0[31m██]P2daefe5[42m▄]P1297869[31m█
 ]P15a5ac0[31m█]P1b9b9e1[31m█]P15a5ac0[31m█]P1fafafc[31m█]P1e0e0f0[31m██]P2b9b9e1[42m▀]P15a5ac0[31m▄]P2fafafc[42m▀]P1e0e0f0[31m▄]P15a5ac0[31m█]P181ceba[31m█]P2b8e0d0[42m▀      ]P10f1119[31m▀]P2ff9db5[42m▀▀▀]P2b8e0d0[42m▀]P1297869[31m▄ ▀ █
]P15a5ac0[31m█]P1b9b9e1[31m█]P15a5ac0[31m█]P1fafafc[31m█]P1e0e0f0[31m█]P2b9b9e1[42m▀]P15a5ac0[31m▄]P2fafafc[42m▀]P1e0e0f0[31m▄█]P2b9b9e1[42m▀]P15a5ac0[31m█]P1b8e0d0[31m█████]P281ceba[42m▀]P2297869[42m▀▀]P181ceba[31m▀▀▀▀▀[49m▀]P1297869[31m▀▀▀
]P15a5ac0[31m█]P2fafafc[42m▀]P1e0e0f0[31m▄]P2b9b9e1[42m▀]P15a5ac0[31m▄]P2fafafc[42m▀]P1e0e0f0[31m▄█]P2b9b9e1[42m▀]P15a5ac0[31m▄]P2b8e0d0[42m▀    ]P181ceba[31m▀▀██]P1297869[31m]P2daefe5[42m▀[49m▄
]P15a5ac0[31m█]P1e0e0f0[31m]P2b9b9e1[42m▀]P15a5ac0[31m▄[49m▀ ]P2297869[42m▀]P2b9b9e1[42m▄▄]P2b8e0d0[42m▀           ]P1daefe5[31m▀]P2297869[42m▄[49m]P1297869[31m▄
