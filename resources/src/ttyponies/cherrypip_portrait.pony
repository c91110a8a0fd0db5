$$$
NAME: Cherry Pip
$$$
$balloon28$
            $\$
             $\$
     ]P16e0d13[31m▄▄]P2ff90a0[42m▀▀▀[49m▄   ]P1fb3d00[31m▄]P2fff4f0[42m▀▀[49m]P16e0d13[31m▄]P2db384b[42m▀]P2d8283a[42m▀[49m▄
  ]P16e0d13[31m▄▄]P2ff90a0[42m▀]P1d8283a[31m▄▄████]P26e0d13[42m▄[49m]P16e0d13[31m▄]P1fb3d00[31m▄]P2ff9db5[42m▀ ]P16e0d13[31m█]P1db384b[31m█]P1d8283a[31m]P2c21d29[42m▀]P26e0d13[42m▀]P1c21d29[31m█ 
 ]P16e0d13[31m▀]P2ff90a0[42m▄▄]P2d8283a[42m▄]P2ff90a0[42m▀▀▀]P1c21d29[31m]P2d8283a[42m▀▄  ]P16e0d13[31m█]P1fb3d00[31m█]P1ff9db5[31m██]P1fff4f0[31m█]P26e0d13[42m▄▄]P2ffc5b2[42m▄]P1d8283a[31m]P26e0d13[42m▀]P1fff4f0[31m▄]P2fb3d00[42m▄]P1fff8f6[31m▄[49m]P1fb3d00[31m▄
   ]P16e0d13[31m▄▄]P2ff90a0[42m▀]P1d8283a[31m▄████]P1c21d29[31m█]P1d8283a[31m█]P16e0d13[31m█]P1ffc5b2[31m█]P1fff4f0[31m█]P210141e[42m▄▀▀▀▀▀▀█]P2fff8f6[42m▄]P1fb3d00[31m█
  ]P16e0d13[31m█]P2ff90a0[42m▄▄]P2d8283a[42m▄]P1ff90a0[31m▄]P26e0d13[42m▄]P1d8283a[31m▄▄]P2c21d29[42m▄▀█]P16e0d13[31m█]P1ffc5b2[31m█]P1fff4f0[31m██]P110141e[31m█]P2ffffff[42m▀]P23a5ab0[42m▀▀▀▀█]P1fff4f0[31m█]P2fff8f6[42m▀]P1fb3d00[31m█
     ]P16e0d13[31m▄]P2ff90a0[42m▀]P1d8283a[31m▄███]P2c21d29[42m▄▀]P16e0d13[31m█]P1ffc5b2[31m█]P1fff4f0[31m██]P110141e[31m█]P1ffffff[31m█]P23a5ab0[42m▀]P110141e[31m██ █]P1fff4f0[31m█]P1fff8f6[31m█]P1fb3d00[31m█
    ]P16e0d13[31m█]P2ff90a0[42m▄]P2d8283a[42m▄▄]P2ff90a0[42m▀▀]P2d8283a[42m▀]P1c21d29[31m█]P16e0d13[31m█]P1ffc5b2[31m█]P1fff4f0[31m███]P110141e[31m█]P1ffffff[31m█]P15576c7[31m█]P210141e[42m▄▄]P2ffffff[42m▀]P110141e[31m█]P1fff4f0[31m██]P2fff8f6[42m▄]P1fb3d00[31m█
    ]P1fb3d00[31m▄▄▄]P2fff8f6[42m▀▀▀▀]P2c21d29[42m▄]P16e0d13[31m]P2ffc5b2[42m▀]P1fff4f0[31m▄████]P210141e[42m▄]P1ff9db5[31m▄▄▄]P1fff4f0[31m▄]P2fb3d00[42m▀█▄█ 
 ]P1fb3d00[31m▄]P2fff8f6[42m▀]P2fff4f0[42m▀]P1fff8f6[31m▀▀      ]P1fb3d00[31m█  ]P1ffc5b2[31m▄]P1fb3d00[31m▄▄]P2ffc5b2[42m▄▄▄▄▄[49m]P1ffc5b2[31m▀]P1fb3d00[31m▀▀▀
]P1fb3d00[31m█]P1ffc5b2[31m█]P1fff4f0[31m██]P2fb3d00[42m▀]P1ffc5b2[31m█]P1fff4f0[31m███▀]P1ffc5b2[31m█]P1fff4f0[31m█ ]P2ffc5b2[42m▄▄  ]P1fb3d00[31m]P2fff8f6[42m▀[49m▄
 ]P1fb3d00[31m▀▀█]P2ffc5b2[42m▀]P1fff4f0[31m▄]P2fb3d00[42m▄▄▄▄]P2ffc5b2[42m▄]P2fb3d00[42m▄██████]P2fff8f6[42m▄]P1fb3d00[31m▀[49m▄
