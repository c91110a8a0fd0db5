$$$
NAME: Plume
$$$
$balloon28$
            $\$
             $\$
     ]P13f1e5d[31m▄▄]P29958b9[42m▀▀▀[49m▄   ]P1aa2ec1[31m▄]P2f0d0f0[42m▀▀[49m]P13f1e5d[31m▄]P29958b9[42m▀]P28a4ab0[42m▀[49m▄
  ]P13f1e5d[31m▄▄]P29958b9[42m▀]P18a4ab0[31m▄▄████]P23f1e5d[42m▄[49m]P13f1e5d[31m▄]P1aa2ec1[31m▄]P2ff9db5[42m▀ ]P13f1e5d[31m█]P19958b9[31m█]P18a4ab0[31m]P2733ca1[42m▀]P23f1e5d[42m▀]P1733ca1[31m█ 
 ]P13f1e5d[31m▀]P29958b9[42m▄▄]P28a4ab0[42m▄]P29958b9[42m▀▀▀]P1733ca1[31m]P28a4ab0[42m▀▄  ]P13f1e5d[31m█]P1aa2ec1[31m█]P1ff9db5[31m██]P1f0d0f0[31m█]P23f1e5d[42m▄▄]P2dfa6e6[42m▄]P18a4ab0[31m]P23f1e5d[42m▀]P1f0d0f0[31m▄]P2aa2ec1[42m▄]P1faeff9[31m▄[49m]P1aa2ec1[31m▄
   ]P13f1e5d[31m▄▄]P29958b9[42m▀]P18a4ab0[31m▄████]P1733ca1[31m█]P18a4ab0[31m█]P13f1e5d[31m█]P1dfa6e6[31m█]P1f0d0f0[31m█]P227140e[42m▄▀▀▀▀▀▀█]P2faeff9[42m▄]P1aa2ec1[31m█
  ]P13f1e5d[31m█]P29958b9[42m▄▄]P28a4ab0[42m▄]P19958b9[31m▄]P23f1e5d[42m▄]P18a4ab0[31m▄▄]P2733ca1[42m▄▀█]P13f1e5d[31m█]P1dfa6e6[31m█]P1f0d0f0[31m██]P127140e[31m█]P2ffffff[42m▀]P2d0502a[42m▀▀▀▀█]P1f0d0f0[31m█]P2faeff9[42m▀]P1aa2ec1[31m█
     ]P13f1e5d[31m▄]P29958b9[42m▀]P18a4ab0[31m▄███]P2733ca1[42m▄▀]P13f1e5d[31m█]P1dfa6e6[31m█]P1f0d0f0[31m██]P127140e[31m█]P1ffffff[31m█]P2d0502a[42m▀]P127140e[31m██ █]P1f0d0f0[31m█]P1faeff9[31m█]P1aa2ec1[31m█
    ]P13f1e5d[31m█]P29958b9[42m▄]P28a4ab0[42m▄▄]P29958b9[42m▀▀]P28a4ab0[42m▀]P1733ca1[31m█]P13f1e5d[31m█]P1dfa6e6[31m█]P1f0d0f0[31m███]P127140e[31m█]P1ffffff[31m█]P1de7a5b[31m█]P227140e[42m▄▄]P2ffffff[42m▀]P127140e[31m█]P1f0d0f0[31m██]P2faeff9[42m▄]P1aa2ec1[31m█
    ]P1aa2ec1[31m▄▄▄]P2faeff9[42m▀▀▀▀]P2733ca1[42m▄]P13f1e5d[31m]P2dfa6e6[42m▀]P1f0d0f0[31m▄████]P227140e[42m▄]P1ff9db5[31m▄▄▄]P1f0d0f0[31m▄]P2aa2ec1[42m▀█▄█ 
 ]P1aa2ec1[31m▄]P2faeff9[42m▀]P2f0d0f0[42m▀]P1faeff9[31m▀▀      ]P1aa2ec1[31m█  ]P1dfa6e6[31m▄]P1aa2ec1[31m▄▄]P2dfa6e6[42m▄▄▄▄▄[49m]P1dfa6e6[31m▀]P1aa2ec1[31m▀▀▀
]P1aa2ec1[31m█]P1dfa6e6[31m█]P1f0d0f0[31m██]P2aa2ec1[42m▀]P1dfa6e6[31m█]P1f0d0f0[31m███▀]P1dfa6e6[31m█]P1f0d0f0[31m█ ]P2dfa6e6[42m▄▄  ]P1aa2ec1[31m]P2faeff9[42m▀[49m▄
 ]P1aa2ec1[31m▀▀█]P2dfa6e6[42m▀]P1f0d0f0[31m▄]P2aa2ec1[42m▄▄▄▄]P2dfa6e6[42m▄]P2aa2ec1[42m▄██████]P2faeff9[42m▄]P1aa2ec1[31m▀[49m▄
